// `postcraft-cli dial` end to end against a pseudo-terminal standing in for
// the modem: the bytes the modem receives, exactly.
#include <gtest/gtest.h>

#include "pseudo_terminal.h"
#include "run_process.h"

namespace pc::test {
namespace {

ProcessResult cli(std::vector<std::string> args) {
    args.insert(args.begin(), std::string(PC_CLI_PATH));
    return runProcess(args);
}

TEST(DialCliTest, TheModemReceivesInitDialAndHangUp) {
    PseudoTerminal pty;
    ASSERT_FALSE(pty.device().empty());
    auto r = cli(
        {"dial", "--port", pty.device(), "--number", "555-1234", "--prefix", "9", "--init", "Z"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(pty.received(), "ATZ\r\nATDT9555-1234\r\nATH\r\n");

    r = cli({"dial", "--port", pty.device(), "--number", "555-1234", "--pulse"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(pty.received(), "ATDP555-1234\r\nATH\r\n");
}

TEST(DialCliTest, AMissingDeviceOrNumberIsRefused) {
    EXPECT_EQ(cli({"dial", "--number", "555-1234"}).status, 2);
    EXPECT_EQ(cli({"dial", "--port", "/dev/null"}).status, 2);
    const auto r = cli({"dial", "--port", "/nonexistent/tty", "--number", "1"});
    EXPECT_NE(r.status, 0);
    EXPECT_FALSE(r.err.empty());
}

}  // namespace
}  // namespace pc::test
