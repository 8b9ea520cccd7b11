#include "letters/ui/inch_ruler.h"

#include <QPainter>
#include <QPolygon>

namespace pc::letters {

InchRuler::InchRuler(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Ruler"));
    setFixedHeight(24);
}

void InchRuler::setPage(const richtext::PageSetup& page) {
    page_ = page;
    update();
}

void InchRuler::setParagraph(const ParagraphSettings& paragraph) {
    if (paragraph == paragraph_) return;
    paragraph_ = paragraph;
    update();
}

void InchRuler::setTextOrigin(int pixels) {
    origin_ = pixels;
    update();
}

int InchRuler::toPixels(int twips) const {
    return origin_ + twips * logicalDpiX() / richtext::kTwipsPerInch;
}

void InchRuler::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    const int textWidth = page_.paperWidth - page_.marginLeft - page_.marginRight;
    p.fillRect(QRect(toPixels(0), 2, toPixels(textWidth) - toPixels(0), height() - 4), Qt::white);
    p.setPen(palette().windowText().color());
    QFont small = font();
    small.setPointSizeF(7);
    p.setFont(small);
    // Eighths of an inch from the left margin; whole inches numbered.
    for (int eighth = 0; eighth * 180 <= textWidth; ++eighth) {
        const int x = toPixels(eighth * 180);
        const int tick = eighth % 8 == 0 ? 8 : eighth % 4 == 0 ? 6 : eighth % 2 == 0 ? 4 : 2;
        p.drawLine(x, height() - 3, x, height() - 3 - tick);
        if (eighth % 8 == 0 && eighth > 0)
            p.drawText(QRect(x - 10, 1, 20, 12), Qt::AlignCenter, QString::number(eighth / 8));
    }
    const auto marker = [&](int twips, bool top) {
        const int x = toPixels(twips);
        const int y = top ? 2 : height() - 2;
        const int d = top ? 5 : -5;
        p.drawPolygon(QPolygon({QPoint(x - 4, y), QPoint(x + 4, y), QPoint(x, y + d)}));
    };
    p.setBrush(Qt::gray);
    marker(paragraph_.firstIndent, true);
    marker(paragraph_.leftIndent, false);
    marker(textWidth - paragraph_.rightIndent, false);
}

}  // namespace pc::letters
