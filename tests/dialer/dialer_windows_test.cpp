// The dialing windows: their Help buttons, the call window without a
// telephony handler, and screenshots on request.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "dialer/ui/pk_dialer.h"
#include "dialer/ui/tapi_call_window.h"
#include "qstring_printer.h"
#include "text/message_service.h"
#include "widgets/help_contexts.h"
#include "widgets/help_link.h"

namespace pc::test {
namespace {

dialer::TelephonyHandler noTelephony() {
    return {[] { return false; }, [](const QString&) { return false; }};
}

class DialerWindowsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        widgets::setHelpOpener([this](int context) { opened.push_back(context); });
    }
    void TearDown() override { widgets::setHelpOpener({}); }
    QString settingsPath() const { return dir.filePath("dialing.ini"); }

    QTemporaryDir dir;
    std::vector<int> opened;
    text::ScopedRecordingMessages messages;
};

TEST_F(DialerWindowsTest, HelpButtonsOpenTheirTopics) {
    dialer::TPKDialer window(QStringLiteral("555-1234"), settingsPath());
    window.HelpButton->click();
    dialer::TfrmTAPICall call(QStringLiteral("555-1234"), nullptr, noTelephony());
    call.btnHelp->click();
    EXPECT_EQ(opened, (std::vector<int>{widgets::help::kDialer, widgets::help::kDialer}));
}

TEST_F(DialerWindowsTest, WithoutATelephonyHandlerTheCallWindowSaysSo) {
    dialer::TfrmTAPICall call(QStringLiteral("555-1234"), nullptr, noTelephony());
    EXPECT_TRUE(call.StatusMemo->toPlainText().contains("No TAPI devices found"));
    // Shown, the window calls at once; the reason stays, no busy line is blamed.
    call.show();
    EXPECT_EQ(call.StatusMemo->toPlainText(), "Error!! - No TAPI devices found");
}

TEST_F(DialerWindowsTest, Screenshots) {
    const QByteArray target = qgetenv("PC_SCREENSHOT_DIR");
    if (target.isEmpty()) GTEST_SKIP() << "PC_SCREENSHOT_DIR is not set";
    const QString out = QString::fromLocal8Bit(target) + '/';
    QDir().mkpath(out);
    dialer::TPKDialer window(QStringLiteral("555-1234"), settingsPath());
    window.show();
    window.grab().save(out + "dialer.png");
    window.UseTapiCheck->setChecked(true);
    window.adjustSize();
    window.grab().save(out + "dialer-telephony.png");
    dialer::TfrmTAPICall call(QStringLiteral("555-1234"), nullptr, noTelephony());
    call.show();
    call.grab().save(out + "tapi-call.png");
}

}  // namespace
}  // namespace pc::test
