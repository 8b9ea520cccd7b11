#include "text/stored_date.h"

#include <QLocale>
#include <QStringList>

namespace pc::text {
namespace {

std::optional<QString>& cachedFormat() {
    static std::optional<QString> format;
    return format;
}

bool allDigits(const QString& s) {
    if (s.isEmpty()) return false;
    for (QChar c : s) {
        if (c < u'0' || c > u'9') return false;
    }
    return true;
}

// The first character of a format that is no letter: the date separator.
QChar separatorOf(const QString& format) {
    for (QChar c : format) {
        if (!c.isLetter() && c != u'\'' && c != u' ') return c;
    }
    return u'/';
}

// Two-digit years fall within the 50 years before today and the 49 after.
int widenTwoDigitYear(int year, int currentYear) {
    const int pivot = currentYear - 50;
    year += pivot / 100 * 100;
    if (year < pivot) year += 100;
    return year;
}

}  // namespace

std::optional<QDate> storedToDate(const QString& stored) {
    if (stored.size() != 8 || !allDigits(stored)) return std::nullopt;
    const QDate date(stored.left(4).toInt(), stored.mid(4, 2).toInt(), stored.mid(6, 2).toInt());
    if (!date.isValid()) return std::nullopt;
    return date;
}

bool isStoredDate(const QString& stored) {
    return storedToDate(stored).has_value();
}

QString dateToStored(const QDate& date) {
    if (!date.isValid() || date.year() < 1 || date.year() > 9999) return {};
    return QStringLiteral("%1%2%3")
        .arg(date.year(), 4, 10, QLatin1Char('0'))
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.day(), 2, 10, QLatin1Char('0'));
}

QString storedToDisplay(const QString& stored) {
    const std::optional<QDate> date = storedToDate(stored);
    return date ? formatDate(*date, displayDateFormat()) : QString();
}

QString inputToStored(const QString& input) {
    return inputToStored(input, QDate::currentDate());
}

QString inputToStored(const QString& input, const QDate& today) {
    const QString text = input.trimmed();
    if (text.isEmpty()) return {};
    if (isStoredDate(text)) return text;

    // Month, day and an optional year, as the program's short format orders
    // them; the year may be left out or given with two digits.
    const QStringList parts = text.split(u'/');
    if (parts.size() < 2 || parts.size() > 3) return {};
    QStringList fields;
    for (const QString& p : parts) {
        const QString f = p.trimmed();
        if (!allDigits(f) || f.size() > 4) return {};
        fields << f;
    }
    int year = today.year();
    if (fields.size() == 3) {
        year = fields[2].toInt();
        if (fields[2].size() <= 2) year = widenTwoDigitYear(year, today.year());
    }
    return dateToStored(QDate(year, fields[0].toInt(), fields[1].toInt()));
}

QString programShortDateFormat() {
    return QStringLiteral("mm/dd/yyyy");
}

QString widenYear(const QString& format) {
    QString f = format.toUpper();
    if (!f.contains(QLatin1String("YYYY"))) {
        qsizetype at = f.indexOf(QLatin1String("YYY"));
        if (at >= 0) {
            f.insert(at, u'Y');
        } else if ((at = f.indexOf(QLatin1String("YY"))) >= 0) {
            f.insert(at, QLatin1String("YY"));
        } else if ((at = f.indexOf(u'Y')) >= 0) {
            f.insert(at, QLatin1String("YYY"));
        } else {
            f += separatorOf(f) + QLatin1String("YYYY");
        }
    }
    return f.toLower();
}

QString displayDateFormat() {
    std::optional<QString>& format = cachedFormat();
    if (!format) {
        QString system = QLocale::system().dateFormat(QLocale::ShortFormat);
        if (system.isEmpty()) system = programShortDateFormat();
        // Qt writes the month as "M"; the rule works on letters of any case.
        format = widenYear(system);
    }
    return *format;
}

void setDisplayDateFormat(const QString& format) {
    if (format.isEmpty()) {
        cachedFormat().reset();
    } else {
        cachedFormat() = format;
    }
}

QString formatDate(const QDate& date, const QString& format) {
    if (!date.isValid()) return {};
    const QLocale locale = QLocale::system();
    QString out;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i].toLower();
        if (format[i] == u'\'') {
            const qsizetype close = format.indexOf(u'\'', i + 1);
            const qsizetype end = close < 0 ? format.size() : close;
            out += format.mid(i + 1, end - i - 1);
            i = end + 1;
            continue;
        }
        qsizetype n = 1;
        while (i + n < format.size() && format[i + n].toLower() == c) ++n;
        if (c == u'd') {
            if (n == 1)
                out += QString::number(date.day());
            else if (n == 2)
                out += QStringLiteral("%1").arg(date.day(), 2, 10, QLatin1Char('0'));
            else
                out += locale.dayName(date.dayOfWeek(),
                                      n == 3 ? QLocale::ShortFormat : QLocale::LongFormat);
        } else if (c == u'm') {
            if (n == 1)
                out += QString::number(date.month());
            else if (n == 2)
                out += QStringLiteral("%1").arg(date.month(), 2, 10, QLatin1Char('0'));
            else
                out += locale.monthName(date.month(),
                                        n == 3 ? QLocale::ShortFormat : QLocale::LongFormat);
        } else if (c == u'y') {
            if (n <= 2)
                out += QStringLiteral("%1").arg(date.year() % 100, 2, 10, QLatin1Char('0'));
            else
                out += QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0'));
        } else {
            out += format.mid(i, n);
        }
        i += n;
    }
    return out;
}

}  // namespace pc::text
