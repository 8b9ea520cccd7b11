#include "design/counter_label.h"

#include <algorithm>
#include <limits>

#include "design/property_writer.h"

namespace pc::design {
namespace {

// More padding than this is a hostile file, not a design.
constexpr int kMaxPadding = 32;

}  // namespace

TGCounterLabel::TGCounterLabel() {
    resetCounter();
}

void TGCounterLabel::setTextBefore(const QString& text) {
    if (textBefore_ == text) return;
    textBefore_ = text;
    changed();
}

void TGCounterLabel::setTextAfter(const QString& text) {
    if (textAfter_ == text) return;
    textAfter_ = text;
    changed();
}

void TGCounterLabel::setStartingNumber(qint32 number) {
    startingNumber_ = number;
    resetCounter();
}

void TGCounterLabel::setRepeatEach(int count) {
    repeatEach_ = count;
}

void TGCounterLabel::setLeadingZeros(int digits) {
    if (leadingZeros_ == digits) return;
    leadingZeros_ = digits;
    changed();
}

QString TGCounterLabel::counterText() const {
    QString number = QString::number(std::abs(static_cast<qint64>(current_)));
    const int digits = std::min(leadingZeros_, kMaxPadding);
    if (digits > 0) number = number.rightJustified(digits, QLatin1Char('0'));
    if (current_ < 0) number.prepend(QLatin1Char('-'));
    return textBefore_ + number + textAfter_;
}

void TGCounterLabel::prepareCaption() {
    const QString text = counterText();
    if (text != caption()) storeCaption(text);
}

void TGCounterLabel::nextCounter() {
    ++printedWithCurrent_;
    if (printedWithCurrent_ == repeatEach_) {
        if (current_ < std::numeric_limits<qint32>::max()) ++current_;
        printedWithCurrent_ = 0;
        prepareCaption();
        repaint();
    }
}

void TGCounterLabel::resetCounter() {
    current_ = startingNumber_;
    printedWithCurrent_ = 0;
    // A file being read keeps its stored caption until the next paint, so
    // writing it back gives the same bytes.
    if (loading()) return;
    prepareCaption();
    repaint();
}

void TGCounterLabel::writeProperties(PropertyWriter& out) const {
    TGBaseLabel::writeProperties(out);
    out.text("TextBefore", textBefore_);
    out.text("TextAfter", textAfter_);
    out.integer("Startingnumber", startingNumber_);
    out.integer("RepeatEach", repeatEach_);
    out.integer("LeadingZeros", leadingZeros_);
}

bool TGCounterLabel::readProperty(const QByteArray& name, const StreamValue& value) {
    const auto number = read::integer(value);
    if (name == "TextBefore") {
        if (const auto t = read::text(value)) setTextBefore(*t);
    } else if (name == "TextAfter") {
        if (const auto t = read::text(value)) setTextAfter(*t);
    } else if (name == "Startingnumber") {
        if (number) setStartingNumber(static_cast<qint32>(*number));
    } else if (name == "RepeatEach") {
        if (number) setRepeatEach(static_cast<int>(*number));
    } else if (name == "LeadingZeros") {
        if (number) setLeadingZeros(static_cast<int>(std::clamp<qint64>(*number, 0, kMaxPadding)));
    } else {
        return TGBaseLabel::readProperty(name, value);
    }
    return true;
}

}  // namespace pc::design
