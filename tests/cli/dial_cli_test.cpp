// `postcraft-cli dial` end to end against a pseudo-terminal standing in for
// the modem: the bytes the modem receives, exactly.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <pty.h>
#include <unistd.h>

#include "run_process.h"

namespace pc::test {
namespace {

class PseudoTerminal {
  public:
    PseudoTerminal() {
        char name[256] = {};
        if (openpty(&master_, &slave_, name, nullptr, nullptr) == 0) {
            device_ = name;
            fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
        }
    }
    ~PseudoTerminal() {
        if (master_ >= 0) ::close(master_);
        if (slave_ >= 0) ::close(slave_);
    }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;
    const std::string& device() const { return device_; }
    // Everything written to the device so far.
    std::string received() {
        std::string all;
        char buffer[256];
        for (ssize_t n; (n = ::read(master_, buffer, sizeof buffer)) > 0;) all.append(buffer, n);
        return all;
    }

  private:
    int master_ = -1, slave_ = -1;
    std::string device_;
};

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
