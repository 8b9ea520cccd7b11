#include "records/tagging_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "text/message_service.h"

namespace pc::records {

TTaggingWindow::TTaggingWindow(QWidget* parent) : QDialog(parent) {
    setObjectName("TTaggingWindow");
    setWindowTitle("Tagging");
    StatusLabel = new QLabel("Tagging Records");
    ProgressLabel = new QLabel;
    ProgressLabel->setObjectName("ProgressLabel");
    ProgressLabel->setMinimumWidth(180);
    CancelButton = new QPushButton("Cancel");
    OkButton = new QPushButton("Ok");
    OkButton->hide();
    connect(CancelButton, &QPushButton::clicked, this, [this] {
        if (pc::text::messages().ask("Cancel Tagging?", "CANCEL")) cancelled_ = true;
    });
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CancelButton);
    buttons->addWidget(OkButton);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(StatusLabel);
    layout->addWidget(ProgressLabel);
    layout->addLayout(buttons);
}

void TTaggingWindow::showCount(int count) {
    ProgressLabel->setText(QString::number(count) + " tagged");
}

void TTaggingWindow::finish() {
    StatusLabel->setText(cancelled_ ? "Cancelled before completion" : "Complete");
    ProgressLabel->clear();
    // Enter must close the box: Cancel, hidden now, must not stay the
    // button Enter presses.
    CancelButton->setAutoDefault(false);
    CancelButton->hide();
    OkButton->show();
    OkButton->setDefault(true);
    OkButton->setFocus();
}

}  // namespace pc::records
