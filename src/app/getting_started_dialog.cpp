#include "app/getting_started_dialog.h"

#include <QCheckBox>
#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/help_window.h"
#include "records/preferences.h"
#include "text/profile_file.h"

namespace pc::app {

int gettingStartedContext(const QString& link) {
    static const std::pair<const char*, int> targets[] = {
        {"NEW", 1037},
        {"DBASE", 1021},
        {"ASCII", 1023},
        {"ADD", 1030},
        {"CHANGE", 1030},
        {"FIND", 1026},
        {"DELETE", 2099},
        {"TECHNICAL SUPPORT", 1015},
        {"FREQUENTLY ASKED QUESTIONS", 2098},
    };
    const QString upper = link.trimmed().toUpper();
    for (const auto& [name, context] : targets)
        if (upper == QLatin1String(name)) return context;
    return 0;
}

TGettingStarted::TGettingStarted(const QString& settingsPath, QWidget* parent)
    : QDialog(parent), settingsPath_(settingsPath) {
    setWindowTitle("Getting Started");
    setObjectName("GettingStarted");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    resize(560, 440);

    page_ = new QTextBrowser;
    page_->setOpenLinks(false);
    QFile html(":/help/getting_started.html");
    if (html.open(QIODevice::ReadOnly)) page_->setHtml(QString::fromUtf8(html.readAll()));
    connect(page_, &QTextBrowser::anchorClicked, this, &TGettingStarted::LinkClick);

    dontShow_ = new QCheckBox("Do not show this screen at start up");
    dontShow_->setChecked(pc::text::ProfileFile(settingsPath_)
                              .readBool(records::kMiscSection, "GettingStarted", false));
    auto* ok = new QPushButton("Ok");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TGettingStarted::OkButtonClick);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(dontShow_);
    bottom->addStretch();
    bottom->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(page_, 1);
    layout->addLayout(bottom);
}

void TGettingStarted::OkButtonClick() {
    pc::text::ProfileFile(settingsPath_)
        .writeBool(records::kMiscSection, "GettingStarted", dontShow_->isChecked());
    accept();
}

int TGettingStarted::LinkClick(const QUrl& link) {
    // Links are written as bare words ("NEW", "TECHNICAL SUPPORT").
    const QString target = link.path().isEmpty() ? link.fragment() : link.path();
    const int context = gettingStartedContext(target);
    if (context != 0) HelpWindow::showContext(context);
    return context;
}

}  // namespace pc::app
