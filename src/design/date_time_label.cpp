#include "design/date_time_label.h"

#include <QLocale>

#include "design/property_writer.h"
#include "text/stored_date.h"

namespace pc::design {

QString dateTimeText(const QDateTime& moment, TDateFormat date, TTimeFormat time) {
    QString text;
    if (date == TDateFormat::dtfDateShort)
        text = text::formatDate(moment.date(), text::displayDateFormat());
    else if (date == TDateFormat::dtfDateLong)
        text = QLocale::system().toString(moment.date(), QLocale::LongFormat);
    if (time == TTimeFormat::dtfTimeShort)
        text += QLatin1Char(' ') + QLocale::system().toString(moment.time(), QLocale::ShortFormat);
    else if (time == TTimeFormat::dtfTimeLong)
        text += QLatin1Char(' ') + QLocale::system().toString(moment.time(), QLocale::LongFormat);
    return text;
}

TGDateTimeLabel::TGDateTimeLabel() {
    prepareCaption();
}

void TGDateTimeLabel::setDateFormat(TDateFormat format) {
    if (dateFormat_ == format) return;
    dateFormat_ = format;
    changed();
}

void TGDateTimeLabel::setTimeFormat(TTimeFormat format) {
    if (timeFormat_ == format) return;
    timeFormat_ = format;
    changed();
}

void TGDateTimeLabel::commandDateFormat(TDateFormat format) {
    setDateFormat(format);
    prepareCaption();
    fitToText();
    notifyChanged();
}

void TGDateTimeLabel::commandTimeFormat(TTimeFormat format) {
    setTimeFormat(format);
    prepareCaption();
    fitToText();
    notifyChanged();
}

void TGDateTimeLabel::setMoment(std::optional<QDateTime> moment) {
    moment_ = std::move(moment);
    changed();
}

void TGDateTimeLabel::prepareCaption() {
    const QString text =
        dateTimeText(moment_.value_or(QDateTime::currentDateTime()), dateFormat_, timeFormat_);
    if (text != caption()) storeCaption(text);
}

// The text is of the moment it is seen, not of when it was placed.
void TGDateTimeLabel::paint(QPainter& painter) {
    prepareCaption();
    TGBaseLabel::paint(painter);
}

void TGDateTimeLabel::printTo(print::PageCanvas& page, print::Inches top, print::Inches left) {
    prepareCaption();
    TGBaseLabel::printTo(page, top, left);
}

void TGDateTimeLabel::writeProperties(PropertyWriter& out) const {
    TGBaseLabel::writeProperties(out);
    static const char* const dates[] = {"dtfDateNone", "dtfDateShort", "dtfDateLong"};
    static const char* const times[] = {"dtfTimeNone", "dtfTimeShort", "dtfTimeLong"};
    out.enumeration("DateFormat", dates[static_cast<int>(dateFormat_)], "dtfDateShort");
    out.enumeration("TimeFormat", times[static_cast<int>(timeFormat_)], "dtfTimeNone");
}

bool TGDateTimeLabel::readProperty(const QByteArray& name, const StreamValue& value) {
    if (name == "DateFormat") {
        read::enumeration(value, {"dtfDateNone", "dtfDateShort", "dtfDateLong"}, dateFormat_);
    } else if (name == "TimeFormat") {
        read::enumeration(value, {"dtfTimeNone", "dtfTimeShort", "dtfTimeLong"}, timeFormat_);
    } else {
        return TGBaseLabel::readProperty(name, value);
    }
    return true;
}

}  // namespace pc::design
