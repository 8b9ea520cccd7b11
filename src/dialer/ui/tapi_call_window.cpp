#include "dialer/ui/tapi_call_window.h"

#include <QDesktopServices>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "widgets/help_contexts.h"
#include "widgets/help_link.h"

namespace pc::dialer {

namespace {
TfrmTAPICall* gCallWindow = nullptr;  // one call window at a time
}

TelephonyHandler desktopTelephony() {
    TelephonyHandler h;
    h.available = [] {
        QProcess query;
        query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"),
                                                 QStringLiteral("x-scheme-handler/tel")});
        if (!query.waitForFinished(5000) || query.exitCode() != 0) return false;
        return !query.readAllStandardOutput().trimmed().isEmpty();
    };
    h.open = [](const QString& url) { return QDesktopServices::openUrl(QUrl(url)); };
    return h;
}

TfrmTAPICall::TfrmTAPICall(const QString& number, QWidget* parent, TelephonyHandler handler)
    : QDialog(parent), handler_(std::move(handler)), number_(number) {
    gCallWindow = this;
    setWindowTitle(QStringLiteral("TAPI Call - PICK UP THE PHONE"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    NumberEdit = new QLineEdit(this);
    NumberEdit->setMaxLength(30);
    form->addRow(QStringLiteral("Number to call"), NumberEdit);
    layout->addLayout(form);
    StatusMemo = new QPlainTextEdit(this);
    StatusMemo->setReadOnly(true);
    layout->addWidget(StatusMemo);
    auto* buttons = new QHBoxLayout;
    btnCall = new QPushButton(QStringLiteral("Call"), this);
    btnDropCall = new QPushButton(QStringLiteral("Hangup"), this);
    btnClose = new QPushButton(QStringLiteral("Close"), this);
    btnHelp = new QPushButton(QStringLiteral("Help"), this);
    btnDropCall->setEnabled(false);
    buttons->addWidget(btnCall);
    buttons->addWidget(btnDropCall);
    buttons->addStretch();
    buttons->addWidget(btnClose);
    buttons->addWidget(btnHelp);
    layout->addLayout(buttons);
    connect(btnCall, &QPushButton::clicked, this, &TfrmTAPICall::btnCallClick);
    connect(btnDropCall, &QPushButton::clicked, this, &TfrmTAPICall::btnDropCallClick);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnHelp, &QPushButton::clicked, this,
            [] { pc::widgets::showHelp(widgets::help::kDialer); });

    lineOpen_ = handler_.available && handler_.available();
    if (!lineOpen_) status(QStringLiteral("Error!! - No TAPI devices found"));
}

TfrmTAPICall::~TfrmTAPICall() {
    if (gCallWindow == this) gCallWindow = nullptr;
}

void TfrmTAPICall::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!firstActivation_) return;
    firstActivation_ = false;
    NumberEdit->setText(number_.left(30));
    btnCallClick();
}

void TfrmTAPICall::status(const QString& line) {
    StatusMemo->appendPlainText(line);
}

void TfrmTAPICall::btnCallClick() {
    if (NumberEdit->text().isEmpty()) return;
    StatusMemo->clear();
    // Without a line there is nothing to call on: say why again rather
    // than blame a busy line.
    if (!lineOpen_) {
        status(QStringLiteral("Error!! - No TAPI devices found"));
        return;
    }
    if (!handler_.open || !handler_.open("tel:" + NumberEdit->text())) {
        status(QStringLiteral("* Unknown Error calling number"));
        status(QStringLiteral("* Is the line busy?"));
        return;
    }
    status(QStringLiteral("TAPI started"));
    status(QStringLiteral("Dialing"));
    btnCall->setEnabled(false);
    btnDropCall->setEnabled(true);
}

void TfrmTAPICall::btnDropCallClick() {
    // The telephony program holds the call; here it is only let go.
    status(QStringLiteral("Disconnected: normal..."));
    status(QStringLiteral("Idle"));
    btnCall->setEnabled(true);
    btnDropCall->setEnabled(false);
}

}  // namespace pc::dialer
