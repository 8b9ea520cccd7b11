#pragma once
// The main window's filter: one criterion per address field plus the
// tagged-only and reverse switches, and the xBase expression built from them.
#include <QString>
#include <array>

namespace pc::data {

// In the order of the lines of a .FLT file.
enum class Criterion {
    LastName,
    FirstName,
    Title,
    Org,
    Street1,
    Street2,
    Zip,
    City,
    State,
    Country,
    Phone1,
    Phone2,
    Fax,
    Email,
    Date,  // stored form "yyyymmdd"
    Codes,
    Comment1,
    Comment2,
};
inline constexpr int kCriterionCount = 18;

struct FilterCriteria {
    std::array<QString, kCriterionCount> values;
    bool taggedOnly = false;
    bool reverse = false;

    QString& operator[](Criterion c) { return values[static_cast<int>(c)]; }
    const QString& operator[](Criterion c) const { return values[static_cast<int>(c)]; }
    // Whether any criterion or the tagged-only switch restricts the records;
    // reverse alone does not.
    bool restricts() const;
    void clear() { *this = FilterCriteria(); }
    bool operator==(const FilterCriteria&) const = default;
};

// The field expression a criterion is compared with ("CITY+STATE" for city).
QString criterionField(Criterion c);

// One criterion's text as an expression on `field`. ";" (or), "+" (and) and
// "^" (and not) split the text, loosest first; a leading ">=", ">", "<=",
// "<" or "$" picks the comparison, else "=" (a prefix match with exact off).
// Values are upper-cased and written as literals that stand for exactly the
// typed text, so a quote in a criterion cannot break the expression.
QString criterionTerm(const QString& field, const QString& text);

// The filter string: the criteria's terms joined with " and ", the
// tagged-only term, the whole negated for reverse; empty for no filter.
QString buildQueryString(const FilterCriteria& criteria, const QString& globalTagId);

// Upper-cases a-z only, as the engine's UPPER() does, so values compare
// equal to upper-cased fields whatever other letters they hold.
QString engineUpper(const QString& text);

}  // namespace pc::data
