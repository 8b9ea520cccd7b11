#include "text/text_utils.h"

#include <QFile>
#include <QFileInfo>

namespace pc::text {

QString leftTrim(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ') ++i;
    return text.mid(i);
}

QString rightTrim(const QString& text) {
    qsizetype n = text.size();
    while (n > 0 && text[n - 1] == u' ') --n;
    return text.left(n);
}

QString trim(const QString& text) {
    return leftTrim(rightTrim(text));
}

QChar upperCaseLetter(QChar c) {
    return QChar(static_cast<char16_t>(c.unicode() & ~0x20u));
}

bool isLowerLetter(QChar c) {
    return c >= u'a' && c <= u'z';
}

QString insertBefore(const QString& text, const QString& search, const QString& insertion) {
    if (search.isEmpty()) return text;
    const qsizetype at = text.indexOf(search, 0, Qt::CaseInsensitive);
    if (at < 0) return text;
    return text.left(at) + insertion + text.mid(at, 100);
}

QString cutAtPort(const QString& text) {
    const qsizetype at = text.toUpper().indexOf(QLatin1String(" ON "));
    return at < 0 ? text : text.left(at);
}

QString base36(qint64 value) {
    static const char digits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    QString result;
    while (value > 0) {
        result.prepend(QLatin1Char(digits[value % 36]));
        value /= 36;
    }
    return result;
}

QString newTagIdentifier(const QDateTime& now) {
    const QDate d = now.date();
    const QTime t = now.time();
    const qint64 stamp = d.month() * 100000000LL + d.day() * 1000000LL + t.hour() * 10000LL +
                         t.minute() * 100LL + t.second();
    return base36(d.year() - 1995) + base36(stamp);
}

bool copyFile(const QString& source, const QString& target) {
    const QFileInfo from(source);
    const QFileInfo to(target);
    if (from.absoluteFilePath() == to.absoluteFilePath()) return false;
    if (to.exists() && from.canonicalFilePath() == to.canonicalFilePath()) return false;
    QFile in(source);
    QFile out(target);
    if (!in.open(QIODevice::ReadOnly)) return false;
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    char block[2048];
    for (;;) {
        const qint64 n = in.read(block, sizeof block);
        if (n < 0) return false;
        if (n == 0) break;
        if (out.write(block, n) != n) return false;
    }
    return out.flush();
}

}  // namespace pc::text
