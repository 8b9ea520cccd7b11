#include "maintenance/case_conversion.h"

#include <vector>

namespace pc::maintenance {
namespace {

bool isLower(QChar c) {
    return c >= QLatin1Char('a') && c <= QLatin1Char('z');
}
bool isUpper(QChar c) {
    return c >= QLatin1Char('A') && c <= QLatin1Char('Z');
}
QChar toUpper(QChar c) {
    return isLower(c) ? QChar(c.unicode() - 32) : c;
}
QChar toLower(QChar c) {
    return isUpper(c) ? QChar(c.unicode() + 32) : c;
}

}  // namespace

QString convertCase(const QString& text, CaseConversion conversion) {
    QString result = text;
    for (qsizetype i = 0; i < result.size(); ++i) {
        QChar& c = result[i];
        switch (conversion) {
            case CaseConversion::Upper:
                c = toUpper(c);
                break;
            case CaseConversion::Lower:
                c = toLower(c);
                break;
            case CaseConversion::FirstCapital:
                // Only a blank starts a word: O'NEIL becomes O'neil.
                c = (i == 0 || result[i - 1] == QLatin1Char(' ')) ? toUpper(toLower(c))
                                                                  : toLower(c);
                break;
        }
    }
    return result;
}

const std::vector<ConvertibleField>& convertibleFields() {
    static const std::vector<ConvertibleField> fields = {
        {"Last", "LNAME"},          {"First", "FNAME"},      {"Middle", "MIDDLE"},
        {"Title", "TITLE"},         {"Organization", "ORG"}, {"Address 1", "STREET"},
        {"Address 2", "STREET2"},   {"City", "CITY"},        {"State/Province", "STATE"},
        {"Zip/Postal Code", "ZIP"}, {"Country", "COUNTRY"},  {"Prefix", "PREFIX"},
        {"Comment 1", "USER1"},     {"Comment 2", "USER2"},  {"Codes", "CODES"},
    };
    return fields;
}

QStringList inConversionOrder(const QStringList& chosen) {
    QStringList ordered;
    for (const ConvertibleField& f : convertibleFields())
        if (chosen.contains(QLatin1String(f.field), Qt::CaseInsensitive))
            ordered << QLatin1String(f.field);
    return ordered;
}

}  // namespace pc::maintenance
