#pragma once
// Progress with cancel: what every long loop (pack, reindex, tagging,
// searches, printing, imports) reports after each step, and how it hears
// that the user pressed Stop. The same loop runs under a window's bar, a
// command line's progress line or a test's recorder. Standard library only,
// so the engine-level command-line verbs use it too.
#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>

namespace pc::text {

// Hears `done` of `total` steps (total 0 when the count is unknown; engine
// operations report percent of 100) and answers whether the loop may go on.
// false asks the loop to stop after the step it just finished.
using Progress = std::function<bool(int done, int total)>;

// Reports a step to a progress that may be empty; empty means "go on".
inline bool report(const Progress& progress, int done, int total) {
    return !progress || progress(done, total);
}

// Percent done, 0 when the total is unknown, capped at 100.
inline int percentDone(int done, int total) {
    if (total <= 0) return 0;
    return static_cast<int>(std::clamp(100LL * done / total, 0LL, 100LL));
}

// How often a long loop repaints and lets events through: often enough for
// a responsive Stop button, rarely enough that drawing does not cost more
// than the work itself.
inline constexpr std::chrono::milliseconds kProgressInterval{50};

using ProgressClock = std::function<std::chrono::steady_clock::time_point()>;

// Passes a step on to `inner` at most once per interval (the first step and
// the last of a known total always pass); between passes the last answer
// stands. An empty clock reads the steady clock.
inline Progress throttled(Progress inner, std::chrono::milliseconds interval = kProgressInterval,
                          ProgressClock clock = {}) {
    if (!inner) return {};
    if (!clock) clock = [] { return std::chrono::steady_clock::now(); };
    struct State {
        bool passedOnce = false;
        std::chrono::steady_clock::time_point last;
        bool answer = true;
    };
    auto state = std::make_shared<State>();
    return
        [inner = std::move(inner), interval, clock = std::move(clock), state](int done, int total) {
            const auto now = clock();
            const bool final = total > 0 && done >= total;
            if (state->passedOnce && !final && now - state->last < interval) return state->answer;
            state->passedOnce = true;
            state->last = now;
            state->answer = inner(done, total);
            return state->answer;
        };
}

}  // namespace pc::text
