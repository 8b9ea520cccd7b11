#include "print/text_section.h"

#include <QFontMetricsF>
#include <cmath>

#include "print/page_canvas.h"
#include "print/print_engine.h"

namespace pc::print {

TextSection::TextSection(PrintEngine& engine) : engine_(engine) {
    font_.setFamily(QStringLiteral("Arial"));
    font_.setPointSizeF(10);
}

void TextSection::setSection(Inches left, Inches top, Inches right, Inches bottom) {
    left_ = left;
    top_ = top;
    right_ = right;
    bottom_ = bottom;
}

void TextSection::setFont(const QString& family, double points, bool bold, bool italic) {
    font_ = QFont(family);
    font_.setPointSizeF(points);
    font_.setBold(bold);
    font_.setItalic(italic);
    appliedPage_ = -1;
}

void TextSection::setBold(bool on) {
    font_.setBold(on);
    appliedPage_ = -1;
}

void TextSection::setItalic(bool on) {
    font_.setItalic(on);
    appliedPage_ = -1;
}

void TextSection::apply() {
    if (appliedPage_ == engine_.pageNumber()) return;
    engine_.canvas().setFont(font_);
    appliedPage_ = engine_.pageNumber();
}

Inches TextSection::lineHeight() {
    apply();
    return engine_.canvas().lineHeight();
}

Inches TextSection::descent() {
    apply();
    PageCanvas& canvas = engine_.canvas();
    return Inches(canvas.painter().fontMetrics().descent() / canvas.dpiY());
}

int TextSection::linesLeft() {
    const double h = lineHeight().value;
    if (h <= 0) return 0;
    // A hair of tolerance: sums of line heights must not lose the last line.
    return std::max(0, static_cast<int>(std::floor((bottom_ - y_).value / h + 1e-9)));
}

bool TextSection::newPage() {
    engine_.newPage();
    if (engine_.aborted()) return false;
    appliedPage_ = -1;
    y_ = top_;
    if (pageHeader) pageHeader();
    return !engine_.aborted();
}

int TextSection::pageNumber() const {
    return engine_.pageNumber();
}

void TextSection::printLeft(const QString& text, Inches x) {
    apply();
    const Inches w = engine_.canvas().textWidth(text);
    engine_.canvas().text({x, y_, x + w + Inches(0.01), y_ + lineHeight()}, text,
                          Qt::AlignLeft | Qt::AlignTop);
}

void TextSection::printRight(const QString& text, Inches x) {
    apply();
    const Inches w = engine_.canvas().textWidth(text);
    engine_.canvas().text({x - w - Inches(0.01), y_, x, y_ + lineHeight()}, text,
                          Qt::AlignRight | Qt::AlignTop);
}

void TextSection::printCenter(const QString& text, Inches x) {
    apply();
    const Inches half = engine_.canvas().textWidth(text) / 2 + Inches(0.01);
    engine_.canvas().text({x - half, y_, x + half, y_ + lineHeight()}, text,
                          Qt::AlignHCenter | Qt::AlignTop);
}

QString TextSection::cutToWidth(const QString& text, Inches width) {
    apply();
    PageCanvas& canvas = engine_.canvas();
    const QFontMetricsF metrics(canvas.painter().font(), canvas.painter().device());
    const double limit = width.value * canvas.dpiX();
    if (metrics.horizontalAdvance(text) <= limit) return text;
    // The characters that start inside the box: the last may be cut by the
    // clip, the rest are not on the page at all.
    qsizetype low = 0, high = text.size();
    while (low < high) {
        const qsizetype mid = (low + high + 1) / 2;
        if (metrics.horizontalAdvance(text.left(mid - 1)) < limit)
            low = mid;
        else
            high = mid - 1;
    }
    return text.left(low);
}

void TextSection::printClipped(const QString& text, Inches x, Inches width) {
    if (width.value <= 0) return;
    apply();
    engine_.canvas().text({x, y_, x + width, y_ + lineHeight()}, cutToWidth(text, width),
                          Qt::AlignLeft | Qt::AlignTop);
}

void TextSection::horizontalLine(Inches y, const QColor& color) {
    PageCanvas& canvas = engine_.canvas();
    // The pen also colours the text that follows.
    canvas.painter().save();
    canvas.setDevicePixelPen(color);
    canvas.line(left_, y, right_, y);
    canvas.painter().restore();
}

void TextSection::setColumns(Inches first, std::vector<TabColumn> columns) {
    columns_ = {first, std::move(columns)};
    column_ = 0;
}

void TextSection::saveColumns() {
    saved_.push_back(columns_);
}

void TextSection::restoreColumns() {
    if (saved_.empty()) return;
    columns_ = std::move(saved_.back());
    saved_.pop_back();
    column_ = 0;
}

Inches TextSection::columnLeft(size_t index) const {
    Inches x = columns_.first;
    for (size_t i = 0; i < index && i < columns_.list.size(); ++i) x += columns_.list[i].width;
    return x;
}

void TextSection::printColumn(const QString& text, Inches inset) {
    if (column_ >= columns_.list.size()) return;
    const TabColumn& c = columns_.list[column_];
    const Inches x = columnLeft(column_);
    ++column_;
    apply();
    PageCanvas& canvas = engine_.canvas();
    const Inches bottom = y_ + lineHeight();
    if (c.shadePercent > 0) {
        const int grey = 255 - 255 * std::min(c.shadePercent, 100) / 100;
        canvas.fillRect({x, y_, x + c.width, bottom}, QColor(grey, grey, grey));
    }
    if (c.ruleBelow) {
        canvas.painter().save();
        canvas.setDevicePixelPen(Qt::black);
        canvas.line(x, bottom, x + c.width, bottom);
        canvas.painter().restore();
    }
    if (text.isEmpty()) return;
    const Inches box = c.width - inset;
    if (box.value <= 0) return;
    const int align = c.justify == TabColumn::Justify::Right    ? Qt::AlignRight
                      : c.justify == TabColumn::Justify::Center ? Qt::AlignHCenter
                                                                : Qt::AlignLeft;
    const Inches start = c.justify == TabColumn::Justify::Right ? x + inset : x;
    canvas.text({start, y_, start + box, bottom}, cutToWidth(text, box), align | Qt::AlignTop);
}

}  // namespace pc::print
