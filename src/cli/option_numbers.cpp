#include "cli/option_numbers.h"

#include "cli/db_command.h"

namespace pc::cli {

int wholeNumber(const std::string& text, const char* option, int low, int high) {
    size_t used = 0;
    int value = 0;
    try {
        value = std::stoi(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used == 0 || used != text.size())
        throw CliError(std::string(option) + " needs a whole number", kExitUsage);
    if (value < low || value > high)
        throw CliError(std::string(option) + " needs a whole number from " + std::to_string(low) +
                           " to " + std::to_string(high),
                       kExitUsage);
    return value;
}

double positiveNumber(const std::string& text, const char* option) {
    size_t used = 0;
    double value = 0;
    try {
        value = std::stod(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used == 0 || used != text.size() || !(value > 0))
        throw CliError(std::string(option) + " needs a number above 0", kExitUsage);
    return value;
}

}  // namespace pc::cli
