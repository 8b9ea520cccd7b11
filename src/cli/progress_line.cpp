#include "cli/progress_line.h"

#include <unistd.h>

#include <iostream>

namespace pc::cli {

ProgressLine::ProgressLine(std::string label, std::ostream& err, bool terminal)
    : label_(std::move(label)), err_(err), terminal_(terminal) {}

ProgressLine::ProgressLine(std::string label)
    : ProgressLine(std::move(label), std::cerr, isatty(STDERR_FILENO) == 1) {}

ProgressLine::~ProgressLine() {
    if (shown_) err_ << '\n' << std::flush;
}

void ProgressLine::show(int done, int total) {
    const int percent = pc::text::percentDone(done, total);
    if (total > 0 && percent == lastPercent_) return;
    lastPercent_ = percent;
    err_ << '\r' << label_ << ' ';
    if (total > 0)
        err_ << percent << '%';
    else
        err_ << done;
    err_ << std::flush;
    shown_ = true;
}

pc::text::Progress ProgressLine::progress() {
    if (!terminal_) return {};
    return pc::text::throttled([this](int done, int total) {
        show(done, total);
        return true;
    });
}

pc::xbase::ProgressFn ProgressLine::engineHook() {
    pc::text::Progress shown = progress();
    if (!shown) return {};
    return [shown](int percent) { shown(percent, 100); };
}

}  // namespace pc::cli
