#include "design/multi_line_label.h"

#include <QFontMetrics>
#include <QPainter>

#include "design/color_value.h"
#include "design/property_writer.h"
#include "design/text_wrap.h"
#include "print/page_canvas.h"

namespace pc::design {
namespace {

constexpr const char* kAlignmentNames[] = {"taLeftJustify", "taRightJustify", "taCenter"};

}  // namespace

const char* identifier(TGMultiLineBaseLabel::Alignment alignment) {
    return kAlignmentNames[static_cast<int>(alignment)];
}

TGMultiLineBaseLabel::TGMultiLineBaseLabel() {
    setBounds(0, 0, 190, 33);
}

void TGMultiLineBaseLabel::setItems(const QStringList& items) {
    if (items == items_) return;
    items_ = items;
    invalidateWrap();
    repaint();
}

void TGMultiLineBaseLabel::setAlignment(Alignment alignment) {
    if (alignment == alignment_) return;
    alignment_ = alignment;
    repaint();
}

void TGMultiLineBaseLabel::setFont(const FontSpec& font) {
    if (font == font_) return;
    font_ = font;
    invalidateWrap();
    repaint();
}

void TGMultiLineBaseLabel::setWordWrap(bool wordWrap) {
    if (wordWrap == wordWrap_) return;
    wordWrap_ = wordWrap;
    invalidateWrap();
    repaint();
}

const QStringList& TGMultiLineBaseLabel::wrappedLines() const {
    if (wrapStale_) {
        wrapped_ = wrapLines(items_, font_.toQFont(zoom()), width());
        wrapStale_ = false;
    }
    return wrapped_;
}

const QStringList& TGMultiLineBaseLabel::lines() const {
    return wordWrap_ ? wrappedLines() : items_;
}

QStringList TGMultiLineBaseLabel::displayLines() const {
    QStringList shown = lines();
    if (shown.isEmpty() || (shown.size() == 1 && shown.first().trimmed().isEmpty()))
        shown << blankPlaceholder();
    return shown;
}

QString TGMultiLineBaseLabel::blankPlaceholder() const {
    return QStringLiteral("<blank>");
}

void TGMultiLineBaseLabel::rewrap() {
    invalidateWrap();
    wrappedLines();
}

int TGMultiLineBaseLabel::lineHeight() const {
    return QFontMetrics(font_.toQFont(zoom())).height();
}

void TGMultiLineBaseLabel::autoFit() {
    const QFontMetrics metrics(font_.toQFont(zoom()));
    // Counted as painted, so an empty object keeps the height of its
    // placeholder line instead of shrinking to nothing.
    const QStringList shown = displayLines();
    int widest = 0;
    for (const QString& line : shown) widest = std::max(widest, metrics.horizontalAdvance(line));
    const int height = metrics.height() * static_cast<int>(lines().isEmpty() ? 1 : lines().size());
    setBounds(left(), top(), std::max(width(), widest), height);
}

void TGMultiLineBaseLabel::boundsChanged() {
    if (width() < 1 || height() < 1) {
        setBounds(left(), top(), std::max(1, width()), std::max(1, height()));
        return;
    }
    if (width() != wrapWidth_ || zoom() != wrapZoom_) {
        wrapWidth_ = width();
        wrapZoom_ = zoom();
        invalidateWrap();
    }
}

void TGMultiLineBaseLabel::applyFont(const FontSpec& font) {
    font_ = font;
    invalidateWrap();
    refreshData();
    if (wordWrap_) rewrap();
    repaint();
}

void TGMultiLineBaseLabel::paint(QPainter& painter) {
    const QFont font = font_.toQFont(zoom());
    const QFontMetrics metrics(font);
    painter.save();
    painter.setFont(font);
    painter.setPen(toQColor(font_.color));
    painter.setBrush(Qt::NoBrush);
    painter.setClipRect(QRect(0, 0, width(), height()), Qt::IntersectClip);
    const int step = metrics.height();
    int y = 0;
    for (const QString& line : displayLines()) {
        if (y >= height()) break;  // the rest is clipped away
        const int textWidth = metrics.horizontalAdvance(line);
        int x = 0;
        if (alignment_ == Alignment::taRightJustify)
            x = width() - textWidth - 1;
        else if (alignment_ == Alignment::taCenter)
            x = width() / 2 - textWidth / 2;
        painter.drawText(x, y + metrics.ascent(), line);
        y += step;
    }
    painter.restore();
}

void TGMultiLineBaseLabel::printTo(print::PageCanvas& page, print::Inches top, print::Inches left) {
    // The same routine as on the screen, so text prints exactly as laid out.
    printByPainting(page, top, left);
}

void TGMultiLineBaseLabel::writeProperties(PropertyWriter& out) const {
    TGGraphicControl::writeProperties(out);
    out.strings("Items.Strings", items_);
    out.boolean("AutoSize", autoSize_);
    out.enumeration("Alignment", identifier(alignment_), "taLeftJustify");
    out.font("Font", font_);
    out.boolean("WordWrap", wordWrap_, false);
}

bool TGMultiLineBaseLabel::readProperty(const QByteArray& name, const StreamValue& value) {
    if (name == "Items.Strings") {
        if (const auto lines = read::strings(value)) {
            items_ = *lines;
            invalidateWrap();
        }
    } else if (name == "AutoSize") {
        if (const auto b = read::boolean(value)) autoSize_ = *b;
    } else if (name == "Alignment") {
        read::enumeration(value, {"taLeftJustify", "taRightJustify", "taCenter"}, alignment_);
    } else if (name == "WordWrap") {
        if (const auto b = read::boolean(value)) wordWrap_ = *b;
        invalidateWrap();
    } else if (name.startsWith("Font.")) {
        invalidateWrap();
        return read::fontProperty("Font", name, value, font_);
    } else {
        return TGGraphicControl::readProperty(name, value);
    }
    return true;
}

void TGMultiLineBaseLabel::commandFont(const FontSpec& font) {
    applyFont(font);
    notifyChanged();
}

void TGMultiLineBaseLabel::commandAlignment(Alignment alignment) {
    setAlignment(alignment);
    notifyChanged();
}

void TGMultiLineBaseLabel::merged() {
    invalidateWrap();
    repaint();
}

void TGMultiLineLabel::commandText(const QStringList& lines) {
    setItems(lines);
    autoFit();
    notifyChanged();
}

void TGMultiLineLabel::commandWordWrap() {
    setWordWrap(!wordWrap());
    notifyChanged();
}

}  // namespace pc::design
