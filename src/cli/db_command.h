#pragma once
// `postcraft-cli db VERB ...`: look at and change xBase tables from a shell.
#include <iosfwd>
#include <stdexcept>
#include <string>
#include <vector>

namespace pc::cli {

// A failure to report as "postcraft-cli: <message>" with the exit status.
class CliError : public std::runtime_error {
  public:
    CliError(const std::string& message, int status)
        : std::runtime_error(message), status_(status) {}
    int status() const { return status_; }

  private:
    int status_;
};

inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// Runs the verb in args[0] with its arguments; writes results to out.
// Returns the exit status; throws CliError for failures.
int runDbCommand(const std::vector<std::string>& args, std::ostream& out);

extern const char* const kDbUsage;

}  // namespace pc::cli
