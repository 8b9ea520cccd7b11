#include "envelopes/ui/envelope_feed_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "envelopes/feed_picture.h"

namespace pc::envelopes {

TEnvelopeFeed::TEnvelopeFeed(const EnvelopeFeed& feed, QWidget* parent)
    : QDialog(parent), feed_(feed) {
    setWindowTitle(QStringLiteral("Paper Feed Method"));
    setObjectName(QStringLiteral("TEnvelopeFeed"));
    auto* prompt = new QLabel(
        QStringLiteral("Please indicate how you normally feed envelopes into your printer:"), this);
    prompt->setWordWrap(true);
    auto* note = new QLabel(QStringLiteral("(note: there are many printers and many ways to feed "
                                           "envelopes - this may take some experimenting)"),
                            this);
    note->setWordWrap(true);
    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("FeedPicture"));
    picture_->setFixedSize(kFeedPictureWidth, kFeedPictureHeight);
    picture_->setFrameShape(QFrame::Box);

    const struct {
        const char* caption;
        const char* name;
        int EnvelopeFeed::*value;
        int to;
    } buttons[] = {
        {"&Left", "LeftButton", &EnvelopeFeed::position, EnvelopeFeed::Left},
        {"&Right", "RightButton", &EnvelopeFeed::position, EnvelopeFeed::Right},
        {"&Center", "CenterButton", &EnvelopeFeed::position, EnvelopeFeed::Center},
        {"&Portrait", "PortraitButton", &EnvelopeFeed::orientation, EnvelopeFeed::Portrait},
        {"&Landscape", "LandscapeButton", &EnvelopeFeed::orientation, EnvelopeFeed::Landscape},
        {"&Up", "UpButton", &EnvelopeFeed::facing, EnvelopeFeed::FaceUp},
        {"&Down", "DownButton", &EnvelopeFeed::facing, EnvelopeFeed::FaceDown}};
    auto* grid = new QGridLayout;
    const char* const groups[] = {"Position:", "Orientation:", "Facing:"};
    for (int g = 0; g < 3; ++g)
        grid->addWidget(new QLabel(QString::fromLatin1(groups[g]), this), g, 0);
    int column[3] = {1, 1, 1};
    for (const auto& b : buttons) {
        auto* button = new QPushButton(QString::fromLatin1(b.caption), this);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setAutoDefault(false);
        const int row = b.value == &EnvelopeFeed::position      ? 0
                        : b.value == &EnvelopeFeed::orientation ? 1
                                                                : 2;
        grid->addWidget(button, row, column[row]++);
        connect(button, &QPushButton::clicked, this,
                [this, value = b.value, to = b.to] { set(value, to); });
    }
    clockwise_ = new QCheckBox(QStringLiteral("Clock&wise Rotation"), this);
    clockwise_->setObjectName(QStringLiteral("ClockwiseCheck"));
    grid->addWidget(clockwise_, 1, 3);
    connect(clockwise_, &QCheckBox::toggled, this, [this](bool on) {
        feed_.clockwise = on;
        redraw();
    });

    auto* box = new QDialogButtonBox(this);
    auto* ok = box->addButton(QStringLiteral("Ok"), QDialogButtonBox::AcceptRole);
    auto* cancel = box->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    ok->setObjectName(QStringLiteral("OkButton"));
    cancel->setObjectName(QStringLiteral("CancelButton"));
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(picture_, 0, Qt::AlignHCenter);
    layout->addLayout(grid);
    layout->addWidget(note);
    layout->addWidget(box);
}

void TEnvelopeFeed::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shown_) return;
    shown_ = true;
    const QSignalBlocker quiet(clockwise_);
    clockwise_->setChecked(feed_.clockwise);
    clockwise_->setVisible(feed_.orientation == EnvelopeFeed::Landscape);
    redraw();
}

void TEnvelopeFeed::set(int EnvelopeFeed::*value, int to) {
    feed_.*value = to;
    if (value == &EnvelopeFeed::orientation) clockwise_->setVisible(to == EnvelopeFeed::Landscape);
    redraw();
}

void TEnvelopeFeed::redraw() {
    picture_->setPixmap(QPixmap::fromImage(feedPicture(feed_)));
}

}  // namespace pc::envelopes
