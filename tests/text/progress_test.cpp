// The progress-with-cancel type and its throttle, on a clock the test moves.
#include "text/progress.h"

#include <gtest/gtest.h>

#include <vector>

using namespace pc::text;
using namespace std::chrono_literals;

TEST(Progress, EmptyMeansGoOnAndPercentIsCapped) {
    EXPECT_TRUE(report({}, 5, 10));
    EXPECT_FALSE(report([](int, int) { return false; }, 1, 2));
    EXPECT_EQ(percentDone(1, 3), 33);
    EXPECT_EQ(percentDone(5, 0), 0);
    EXPECT_EQ(percentDone(2700, 2600), 100);
    EXPECT_EQ(percentDone(2'000'000'000, 2'100'000'000), 95);  // no overflow
}

TEST(Progress, ThrottlePassesAtMostOncePerIntervalAndKeepsTheAnswer) {
    std::chrono::steady_clock::time_point now{};
    std::vector<int> passed;
    bool goOn = true;
    Progress p = throttled(
        [&](int done, int) {
            passed.push_back(done);
            return goOn;
        },
        50ms, [&] { return now; });

    EXPECT_TRUE(p(1, 0));  // the first step always passes
    now += 10ms;
    EXPECT_TRUE(p(2, 0));
    now += 39ms;
    EXPECT_TRUE(p(3, 0));
    now += 1ms;
    goOn = false;  // Stop pressed: heard at the next pass, then it sticks
    EXPECT_FALSE(p(4, 0));
    now += 1ms;
    EXPECT_FALSE(p(5, 0));
    EXPECT_EQ(passed, (std::vector{1, 4}));
}

TEST(Progress, ThrottleAlwaysPassesTheLastStepOfAKnownTotal) {
    std::chrono::steady_clock::time_point now{};
    std::vector<int> passed;
    Progress p = throttled(
        [&](int done, int) {
            passed.push_back(done);
            return true;
        },
        50ms, [&] { return now; });
    for (int i = 1; i <= 1000; ++i) p(i, 1000);
    EXPECT_EQ(passed, (std::vector{1, 1000}));
    EXPECT_FALSE(throttled({}));  // nothing to pass on to
}
