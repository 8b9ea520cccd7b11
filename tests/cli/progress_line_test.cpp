// The command line's progress line: on a terminal a line rewritten in
// place and ended at the close; elsewhere not a byte.
#include "cli/progress_line.h"

#include <gtest/gtest.h>

#include <sstream>

namespace pc::cli {
namespace {

TEST(ProgressLine, RewritesOneLineOnATerminal) {
    std::ostringstream err;
    {
        ProgressLine line("pack people", err, true);
        auto hook = line.engineHook();
        ASSERT_TRUE(hook);
        hook(0);
        hook(0);  // the same percent is not written again
        hook(100);
    }
    EXPECT_EQ(err.str(), "\rpack people 0%\rpack people 100%\n");
}

TEST(ProgressLine, SaysNothingWhenNotATerminal) {
    std::ostringstream err;
    {
        ProgressLine line("pack people", err, false);
        EXPECT_FALSE(line.progress());
        EXPECT_FALSE(line.engineHook());
    }
    EXPECT_EQ(err.str(), "");
}

}  // namespace
}  // namespace pc::cli
