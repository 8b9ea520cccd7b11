#include "envelopes/feed_picture.h"

#include <QPainter>
#include <QPainterPath>

namespace pc::envelopes {
namespace {

constexpr int kTrayLeft = 20, kTrayRight = kFeedPictureWidth - 20;
constexpr int kLong = 110, kShort = 56;  // the envelope's sides in the picture

void paintTray(QPainter& p) {
    // The printer's body behind, the tray's floor and its two side guides.
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(QColor(210, 210, 215));
    p.drawRoundedRect(QRect(4, kFeedPictureHeight - 40, kFeedPictureWidth - 8, 36), 6, 6);
    p.setBrush(QColor(235, 235, 238));
    p.drawRect(QRect(QPoint(kTrayLeft - 18, 0), QPoint(kTrayRight + 18, kFeedPictureHeight - 30)));
    p.setBrush(QColor(160, 160, 170));
    p.drawRect(QRect(kTrayLeft - 18, 0, 6, kFeedPictureHeight - 30));
    p.drawRect(QRect(kTrayRight + 12, 0, 6, kFeedPictureHeight - 30));
    // The arrow the paper travels along, into the printer.
    p.setPen(QPen(QColor(120, 120, 130), 2));
    const int cx = kFeedPictureWidth / 2, y = kFeedPictureHeight - 20;
    p.drawLine(cx, y - 12, cx, y + 8);
    p.drawLine(cx - 6, y + 2, cx, y + 8);
    p.drawLine(cx + 6, y + 2, cx, y + 8);
}

// The envelope drawn lying across (long side horizontal) in `r`, then the
// painter turned for the feed.
void paintFront(QPainter& p, const QRect& r) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(r);
    // Stamp at the top right, return address at the top left, address lines.
    p.setBrush(QColor(200, 40, 40));
    p.drawRect(QRect(r.right() - 14, r.top() + 4, 10, 12));
    p.setPen(QPen(QColor(60, 60, 60), 1));
    for (int i = 0; i < 3; ++i)
        p.drawLine(r.left() + 5, r.top() + 6 + 4 * i, r.left() + 28, r.top() + 6 + 4 * i);
    for (int i = 0; i < 3; ++i)
        p.drawLine(r.left() + r.width() * 2 / 5, r.top() + r.height() / 2 + 5 * i,
                   r.left() + r.width() * 4 / 5, r.top() + r.height() / 2 + 5 * i);
}

void paintBack(QPainter& p, const QRect& r) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(250, 248, 235));
    p.drawRect(r);
    // The flap along the top edge, a V to the middle.
    QPainterPath flap;
    flap.moveTo(r.topLeft());
    flap.lineTo(r.center().x(), r.top() + r.height() * 3 / 5);
    flap.lineTo(r.topRight());
    p.setBrush(QColor(230, 226, 205));
    p.drawPath(flap);
}

}  // namespace

QRect feedEnvelopeRect(const EnvelopeFeed& feed) {
    const bool upright = feed.orientation == EnvelopeFeed::Portrait;
    const int w = upright ? kShort : kLong;
    const int h = upright ? kLong : kShort;
    int left = kTrayLeft + 2;
    if (feed.position == EnvelopeFeed::Right) left = kTrayRight - 2 - w;
    if (feed.position == EnvelopeFeed::Center) left = (kTrayLeft + kTrayRight - w) / 2;
    return {left, 2, w, h};
}

void paintFeedPicture(QPainter& p, const EnvelopeFeed& feed) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    paintTray(p);
    const QRect r = feedEnvelopeRect(feed);
    p.translate(r.center());
    // Portrait: the envelope stands upright, its top edge to the right.
    // Landscape: lying across, turned half round with clockwise rotation.
    if (feed.orientation == EnvelopeFeed::Portrait)
        p.rotate(90);
    else if (feed.clockwise)
        p.rotate(180);
    const QRect across(-kLong / 2, -kShort / 2, kLong, kShort);
    if (feed.facing == EnvelopeFeed::FaceUp)
        paintFront(p, across);
    else
        paintBack(p, across);
    p.restore();
}

QImage feedPicture(const EnvelopeFeed& feed) {
    QImage image(kFeedPictureWidth, kFeedPictureHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    paintFeedPicture(p, feed);
    return image;
}

}  // namespace pc::envelopes
