// The modem dialler against a pseudo-terminal: exactly the bytes a modem
// would receive, and the messages around them.
#include "dialer/dialer.h"

#include <gtest/gtest.h>

#include "pseudo_terminal.h"
#include "qstring_printer.h"
#include "text/message_service.h"

namespace pc::test {
namespace {

TEST(DialerTest, SendsInitDialAndHangUpExactly) {
    PseudoTerminal pty;
    ASSERT_FALSE(pty.device().empty());
    text::ScopedRecordingMessages messages;
    dialer::TDialer d;
    d.device = QString::fromStdString(pty.device());
    d.NumberToDial = QStringLiteral("9555-1234");
    d.InitStr = QStringLiteral("Z");
    int waited = 0;
    d.wait = [&waited](int ms) { waited += ms; };
    ASSERT_TRUE(d.Dial());
    EXPECT_EQ(pty.received(), "ATZ\r\nATDT9555-1234\r\nATH\r\n");
    EXPECT_EQ(waited, 1500);
    EXPECT_EQ(d.InitStr, "ATZ");
    EXPECT_EQ(messages->texts(), QStringList{"Pick up phone"});
}

TEST(DialerTest, PulseDiallingWithoutInitAndAStringThatHasItsAT) {
    PseudoTerminal pty;
    text::ScopedRecordingMessages messages;
    dialer::TDialer d;
    d.device = QString::fromStdString(pty.device());
    d.NumberToDial = QStringLiteral("5551234");
    d.Method = dialer::TMethod::dmPulse;
    d.wait = [](int) { FAIL() << "no wait without an initialisation string"; };
    ASSERT_TRUE(d.Dial());
    EXPECT_EQ(pty.received(), "ATDP5551234\r\nATH\r\n");
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
