#include "import/ui/import_window.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/help_link.h"

namespace pc::import {

ImportWindow::ImportWindow(const QString& caption, const QString& selectCaption, bool withMatch,
                           QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    FileLabel = new QLabel(QStringLiteral("(none)"), this);
    layout->addWidget(FileLabel);
    ButtonPanel = new QWidget(this);
    auto* buttons = new QHBoxLayout(ButtonPanel);
    buttons->setContentsMargins(0, 0, 0, 0);
    SelectButton = new QPushButton(selectCaption, ButtonPanel);
    MatchButton = new QPushButton(QStringLiteral("Match Fields"), ButtonPanel);
    ImportButton = new QPushButton(QStringLiteral("Import"), ButtonPanel);
    buttons->addWidget(SelectButton);
    buttons->addWidget(MatchButton);
    buttons->addWidget(ImportButton);
    MatchButton->setVisible(withMatch);
    MatchButton->setEnabled(false);
    ImportButton->setEnabled(false);
    layout->addWidget(ButtonPanel);
    StatusLabel = new QLabel(this);
    layout->addWidget(StatusLabel);
    Gauge = new QProgressBar(this);
    Gauge->setRange(0, 100);
    Gauge->hide();
    layout->addWidget(Gauge);
    auto* bottom = new QHBoxLayout;
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    HelpButton = new QPushButton(QStringLiteral("Help"), this);
    bottom->addStretch();
    bottom->addWidget(CancelButton);
    bottom->addWidget(HelpButton);
    layout->addLayout(bottom);
    connect(CancelButton, &QPushButton::clicked, this, &ImportWindow::CancelButtonClick);
    connect(HelpButton, &QPushButton::clicked, this,
            [this] { pc::widgets::showHelp(helpContext_); });
    setMinimumWidth(460);
}

void ImportWindow::CancelButtonClick() {
    if (rebuilding_) return;
    if (importing_) {
        cancelRequested_ = true;
        return;
    }
    QDialog::reject();
}

void ImportWindow::reject() {
    CancelButtonClick();
}

void ImportWindow::runWithGauge(const std::function<void(const ImportCalls&)>& run) {
    ButtonPanel->hide();
    HelpButton->hide();
    Gauge->setValue(0);
    Gauge->show();
    importing_ = true;
    cancelRequested_ = false;
    ImportCalls calls;
    calls.status = [this](const QString& text) {
        StatusLabel->setText(text);
        if (text.startsWith(QStringLiteral("Rebuilding"))) {
            importing_ = false;
            rebuilding_ = true;
            CancelButton->hide();
            Gauge->setValue(0);
        }
        QCoreApplication::processEvents();
    };
    calls.progress = pc::text::throttled([this](int done, int total) {
        Gauge->setValue(pc::text::percentDone(done, total));
        QCoreApplication::processEvents();
        return !cancelRequested_;
    });
    calls.rebuildGauge = pc::text::throttled([this](int done, int total) {
        Gauge->setValue(pc::text::percentDone(done, total));
        QCoreApplication::processEvents();
        return true;
    });
    run(calls);
    importing_ = false;
    rebuilding_ = false;
    Gauge->setValue(0);
    CancelButton->show();
    Gauge->hide();
    ButtonPanel->show();
    HelpButton->show();
    accept();
}

}  // namespace pc::import
