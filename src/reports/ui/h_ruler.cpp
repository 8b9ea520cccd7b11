#include "reports/ui/h_ruler.h"

#include <QPainter>
#include <cmath>

namespace pc::reports {

THRuler::THRuler(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("THRuler"));
    resize(768, 33);
    setMinimumHeight(33);
}

void THRuler::setStartInch(double inch) {
    startInch_ = inch;
    update();
}

void THRuler::setPixelsPerInch(int ppi) {
    ppi_ = std::max(16, ppi);
    update();
}

void THRuler::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), color_);
    const QColor grey(128, 128, 128);
    painter.setPen(grey);
    QFont font(QStringLiteral("SmallFonts"));
    font.setPointSize(7);
    painter.setFont(font);
    const int h = height();
    const double step = ppi_ / 16.0;
    int sixteenth = static_cast<int>(std::trunc(startInch_ * 16));
    for (double x = 0; x < width(); x += step, ++sixteenth) {
        int length = h / 4;
        if (sixteenth % 8 == 0) length = h / 2;
        if (sixteenth % 16 == 0) length = h;
        const int px = static_cast<int>(x);
        painter.drawLine(px, 0, px, length);
        if (sixteenth % 16 == 0 && sixteenth != 0)
            painter.drawText(px + 3, h - 4, QString::number(sixteenth / 16));
    }
}

}  // namespace pc::reports
