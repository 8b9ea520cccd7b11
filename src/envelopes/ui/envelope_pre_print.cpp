#include "envelopes/ui/envelope_pre_print.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "envelopes/envelope_definition.h"
#include "envelopes/envelope_printer.h"
#include "envelopes/feed_picture.h"
#include "envelopes/ui/envelope_feed_dialog.h"
#include "envelopes/ui/envelope_printer_setup.h"
#include "print/print_engine.h"
#include "widgets/window_placement.h"

namespace pc::envelopes {

TEnvelopePrePrint::TEnvelopePrePrint(print::PrintEngine& engine, int sizeCode,
                                     const EnvelopeFeed& feed, QWidget* parent)
    : QDialog(parent), engine_(engine), sizeCode_(sizeCode), feed_(feed) {
    setWindowTitle(QStringLiteral("Envelope Print"));
    setObjectName(QStringLiteral("TEnvelopePrePrint"));
    auto* setupBox = new QGroupBox(QStringLiteral("Printer"), this);
    auto* form = new QFormLayout(setupBox);
    const auto value = [this](const char* name) {
        auto* label = new QLabel(this);
        label->setObjectName(QString::fromLatin1(name));
        return label;
    };
    printer_ = value("PrinterValue");
    source_ = value("SourceValue");
    paper_ = value("PaperValue");
    orientation_ = value("OrientationValue");
    form->addRow(QStringLiteral("Printer:"), printer_);
    form->addRow(QStringLiteral("Source:"), source_);
    form->addRow(QStringLiteral("Paper:"), paper_);
    form->addRow(QStringLiteral("Orientation:"), orientation_);
    warning_ = value("MismatchWarning");
    warning_->setText(
        QStringLiteral("WARNING: Printer PAPER SIZE and ORIENTATION do not match "
                       "selected Envelope.\r\nUse Printer Setup to correct this."));
    warning_->setStyleSheet(QStringLiteral("color: red"));
    warning_->setWordWrap(true);
    auto* setupButton = new QPushButton(QStringLiteral("Printer Setup"), this);
    setupButton->setObjectName(QStringLiteral("PrinterSetupButton"));
    connect(setupButton, &QPushButton::clicked, this, &TEnvelopePrePrint::PrinterSetupClick);
    form->addRow(warning_);
    form->addRow(setupButton);

    auto* feedBox = new QGroupBox(QStringLiteral("Paper Feed"), this);
    auto* feedLayout = new QHBoxLayout(feedBox);
    picture_ = value("FeedPicture");
    picture_->setFixedSize(kFeedPictureWidth, kFeedPictureHeight);
    feedText_ = value("FeedText");
    auto* feedButton = new QPushButton(QStringLiteral("Paper Feed Method"), this);
    feedButton->setObjectName(QStringLiteral("FeedMethodButton"));
    connect(feedButton, &QPushButton::clicked, this, &TEnvelopePrePrint::FeedMethodClick);
    auto* feedSide = new QVBoxLayout;
    feedSide->addWidget(feedText_);
    feedSide->addStretch();
    feedSide->addWidget(feedButton);
    feedLayout->addWidget(picture_);
    feedLayout->addLayout(feedSide);

    auto* box = new QDialogButtonBox(this);
    auto* ok = box->addButton(QStringLiteral("Ok"), QDialogButtonBox::AcceptRole);
    auto* cancel = box->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    ok->setObjectName(QStringLiteral("OkButton"));
    cancel->setObjectName(QStringLiteral("CancelButton"));
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(setupBox);
    layout->addWidget(feedBox);
    layout->addWidget(box);
    showPrintSetup();
    showFeedMethod();
}

bool TEnvelopePrePrint::warningShown() const {
    return !warning_->isHidden();
}

void TEnvelopePrePrint::showPrintSetup() {
    printer_->setText(engine_.printerName());
    source_->setText(QStringLiteral("Automatically Select"));
    paper_->setText(paperName(engine_));
    orientation_->setText(engine_.orientation() == QPageLayout::Landscape
                              ? QStringLiteral("Landscape")
                              : QStringLiteral("Portrait"));
    EnvelopeDefinition envelope;
    envelope.setCode(sizeCode_);
    const print::InchSize page = engine_.pageSize();
    warning_->setVisible(paperMismatch(page.width.value, page.height.value, envelope.usableLength(),
                                       envelope.usableDepth()));
}

void TEnvelopePrePrint::showFeedMethod() {
    feedText_->setText(feedDescription(feed_));
    picture_->setPixmap(QPixmap::fromImage(feedPicture(feed_)));
}

void TEnvelopePrePrint::PrinterSetupClick() {
    EnvelopePrinterSetup setup(engine_, this);
    widgets::centreWindow(&setup, this);
    setup.exec();
    showPrintSetup();
}

void TEnvelopePrePrint::FeedMethodClick() {
    TEnvelopeFeed dialog(feed_, this);
    widgets::centreWindow(&dialog, this);
    if (dialog.exec() == QDialog::Accepted) {
        feed_ = dialog.feed();
        engine_.setOrientation(feed_.orientation == EnvelopeFeed::Landscape
                                   ? QPageLayout::Landscape
                                   : QPageLayout::Portrait);
    }
    showPrintSetup();
    showFeedMethod();
}

}  // namespace pc::envelopes
