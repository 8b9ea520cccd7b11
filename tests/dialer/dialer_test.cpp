// The modem dialler against a pseudo-terminal: exactly the bytes a modem
// would receive, and the messages around them.
#include "dialer/dialer.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <pty.h>
#include <unistd.h>

#include "qstring_printer.h"
#include "text/message_service.h"

namespace pc::test {
namespace {

class PseudoTerminal {
  public:
    PseudoTerminal() {
        char name[256] = {};
        if (openpty(&master_, &slave_, name, nullptr, nullptr) == 0) {
            device_ = QString::fromLocal8Bit(name);
            fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
        }
    }
    ~PseudoTerminal() {
        if (master_ >= 0) ::close(master_);
        if (slave_ >= 0) ::close(slave_);
    }
    const QString& device() const { return device_; }
    // Everything written to the device so far.
    QByteArray received() {
        QByteArray all;
        char buffer[256];
        for (ssize_t n; (n = ::read(master_, buffer, sizeof buffer)) > 0;) all.append(buffer, n);
        return all;
    }

  private:
    int master_ = -1, slave_ = -1;
    QString device_;
};

TEST(DialerTest, SendsInitDialAndHangUpExactly) {
    PseudoTerminal pty;
    ASSERT_FALSE(pty.device().isEmpty());
    text::ScopedRecordingMessages messages;
    dialer::TDialer d;
    d.device = pty.device();
    d.NumberToDial = QStringLiteral("9555-1234");
    d.InitStr = QStringLiteral("Z");
    int waited = 0;
    d.wait = [&waited](int ms) { waited += ms; };
    ASSERT_TRUE(d.Dial());
    EXPECT_EQ(pty.received(), QByteArray("ATZ\r\nATDT9555-1234\r\nATH\r\n"));
    EXPECT_EQ(waited, 1500);
    EXPECT_EQ(d.InitStr, "ATZ");
    EXPECT_EQ(messages->texts(), QStringList{"Pick up phone"});
}

TEST(DialerTest, PulseDiallingWithoutInitAndAStringThatHasItsAT) {
    PseudoTerminal pty;
    text::ScopedRecordingMessages messages;
    dialer::TDialer d;
    d.device = pty.device();
    d.NumberToDial = QStringLiteral("5551234");
    d.Method = dialer::TMethod::dmPulse;
    d.wait = [](int) { FAIL() << "no wait without an initialisation string"; };
    ASSERT_TRUE(d.Dial());
    EXPECT_EQ(pty.received(), QByteArray("ATDP5551234\r\nATH\r\n"));
    EXPECT_EQ(dialer::withAtPrefix("at&f"), "at&f");
    EXPECT_EQ(dialer::withAtPrefix(""), "");
}

TEST(DialerTest, ConfirmationAndPortsThatDoNotOpen) {
    text::ScopedRecordingMessages messages;
    dialer::TDialer d;
    d.Confirm = true;
    d.NumberToDial = QStringLiteral("555");
    d.device = QStringLiteral("/nonexistent/tty");
    messages->answer(false);
    EXPECT_FALSE(d.Dial());
    EXPECT_EQ(messages->texts(), QStringList{"About to dial the number 555. Are you sure?"});
    messages->clear();
    EXPECT_FALSE(d.Dial());  // Yes: then the port fails
    EXPECT_EQ(messages->texts().last(), "Unable to open /nonexistent/tty");
    EXPECT_EQ(dialer::portName(dialer::TComPort::dpCOM2), "COM2");
}

}  // namespace
}  // namespace pc::test
