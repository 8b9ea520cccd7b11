#pragma once
// The command line's view of a long operation: "<label> 45%" rewritten in
// place on stderr while stderr is a terminal, and nothing at all otherwise,
// so scripts and pipes see only what the verbs print on stdout.
#include <ostream>
#include <string>

#include "text/progress.h"
#include "xbase/progress.h"

namespace pc::cli {

class ProgressLine {
  public:
    // Shows on `err` only when `terminal` is true.
    ProgressLine(std::string label, std::ostream& err, bool terminal);
    // On stderr, when it is a terminal.
    explicit ProgressLine(std::string label);
    // Ends the line when anything was shown.
    ~ProgressLine();
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    // The progress to hand to a loop; empty when nothing is shown. It never
    // asks the loop to stop.
    pc::text::Progress progress();
    // The same for the engine's percent reports.
    pc::xbase::ProgressFn engineHook();

  private:
    void show(int done, int total);

    std::string label_;
    std::ostream& err_;
    bool terminal_;
    bool shown_ = false;
    int lastPercent_ = -1;
};

}  // namespace pc::cli
