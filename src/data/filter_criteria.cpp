#include "data/filter_criteria.h"

#include <QStringList>

#include "xbase/expression.h"

namespace pc::data {

namespace {

// The criteria in the order their terms are joined; comments come before
// the date and codes here, unlike in the .FLT file.
constexpr Criterion kBuildOrder[] = {
    Criterion::LastName, Criterion::FirstName, Criterion::Title,    Criterion::Org,
    Criterion::Street1,  Criterion::Street2,   Criterion::Zip,      Criterion::City,
    Criterion::State,    Criterion::Country,   Criterion::Phone1,   Criterion::Phone2,
    Criterion::Fax,      Criterion::Email,     Criterion::Comment1, Criterion::Comment2,
    Criterion::Date,     Criterion::Codes,
};

constexpr int kMaxValueLength = 99;

QString literal(const QString& value) {
    return QString::fromStdString(pc::xbase::quoteLiteral(value.toStdString()));
}

struct Separator {
    QChar mark;
    const char* joiner;
};

}  // namespace

bool FilterCriteria::restricts() const {
    if (taggedOnly) return true;
    for (const QString& value : values) {
        if (!value.trimmed().isEmpty()) return true;
    }
    return false;
}

QString criterionField(Criterion c) {
    static const char* const kFields[kCriterionCount] = {
        "LNAME",   "FNAME", "TITLE",  "ORG", "STREET", "STREET2", "ZIP",   "CITY+STATE", "STATE",
        "COUNTRY", "PHONE", "PHONE2", "FAX", "EMAIL",  "DATE",    "CODES", "USER1",      "USER2"};
    return kFields[static_cast<int>(c)];
}

QString engineUpper(const QString& text) {
    QString out = text;
    for (QChar& c : out) {
        if (c >= 'a' && c <= 'z') c = QChar(c.unicode() - 'a' + 'A');
    }
    return out;
}

QString criterionTerm(const QString& field, const QString& text) {
    static constexpr Separator kSeparators[] = {{';', ".or."}, {'+', ".and."}, {'^', ".and..not."}};
    for (const Separator& sep : kSeparators) {
        if (!text.contains(sep.mark)) continue;
        QString term = "(";
        const QStringList pieces = text.split(sep.mark);
        for (int i = 0; i < pieces.size(); ++i) {
            if (i > 0) term += sep.joiner;
            term += "(" + criterionTerm(field, pieces[i]) + ")";
        }
        return term + ")";
    }
    QString op = "=";
    QString value = text;
    for (const char* candidate : {">=", ">", "<=", "<", "$"}) {
        if (text.startsWith(QLatin1String(candidate))) {
            op = candidate;
            value = text.mid(op.size(), kMaxValueLength);
            break;
        }
    }
    value = literal(engineUpper(value));
    if (op == "$") return value + "$UPPER(" + field + ")";
    return "UPPER(" + field + ")" + op + value;
}

QString buildQueryString(const FilterCriteria& criteria, const QString& globalTagId) {
    QString result;
    QString joiner;
    for (Criterion c : kBuildOrder) {
        const QString& text = criteria[c];
        if (text.trimmed().isEmpty()) continue;
        result += joiner + criterionTerm(criterionField(c), text);
        joiner = " and ";
    }
    if (criteria.taggedOnly) result += joiner + "(UPPER(TAG)=" + literal(globalTagId) + ")";
    if (criteria.reverse && !result.isEmpty()) result = "(!(" + result + "))";
    return result;
}

}  // namespace pc::data
