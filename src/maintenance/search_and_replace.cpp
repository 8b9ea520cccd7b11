#include "maintenance/search_and_replace.h"

#include "data/data_error.h"
#include "data/engine_setting_guards.h"
#include "data/record_source.h"
#include "data/t_apollo.h"
#include "data/t_table.h"

namespace pc::maintenance {
namespace {

QString quoted(const QString& value) {
    return '"' + value + '"';
}

// An xBase string literal holding exactly `value`.
QString literal(const QString& value) {
    if (!value.contains(QLatin1Char('"'))) return quoted(value);
    QStringList pieces;
    for (const QString& piece : value.split(QLatin1Char('"'))) pieces << quoted(piece);
    return pieces.join(QStringLiteral("+'\"'+"));
}

// Plain ASCII upper-casing, as the engine's UPPER does it.
QString asciiUpper(const QString& text) {
    QString result = text;
    for (QChar& c : result)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) c = QChar(c.unicode() - 32);
    return result;
}

}  // namespace

const std::vector<ReplaceableField>& replaceableFields() {
    static const std::vector<ReplaceableField> fields = {
        {"Last Name", "LNAME"},   {"First Name", "FNAME"}, {"Middle Initial", "MIDDLE"},
        {"Title", "TITLE"},       {"Organization", "ORG"}, {"Address 1", "STREET"},
        {"Address 2", "STREET2"}, {"City", "CITY"},        {"State", "STATE"},
        {"Zip", "ZIP"},           {"Country", "COUNTRY"},  {"Phone 1", "PHONE"},
        {"Phone 2", "PHONE2"},    {"Email", "EMAIL"},      {"Fax", "FAX"},
        {"Codes", "CODES"},       {"Comment 1", "USER1"},  {"Comment 2", "USER2"},
    };
    return fields;
}

QString replaceConfirmation(const ReplaceRequest& r) {
    QString condition;
    if (r.find.isEmpty()) {
        condition = QStringLiteral("is empty ");
    } else {
        condition =
            (r.contains ? QStringLiteral("contains: ") : QStringLiteral("exactly matches: ")) +
            quoted(r.find) +
            (r.caseSensitive ? QStringLiteral("  (case sensitive)")
                             : QStringLiteral(" (not case sensitive)"));
    }
    QString action;
    if (!r.partial && r.with.isEmpty())
        action = QStringLiteral("and delete the entire field ");
    else if (r.with.isEmpty())
        action = QStringLiteral("and delete the matching text ");
    else if (!r.partial)
        action = QStringLiteral("and replace the entire field with ");
    else
        action = QStringLiteral("and replace only the matching text with ");
    return "Find records where field " + r.displayName + '\r' + condition + '\r' + action +
           quoted(r.with);
}

QString matchExpression(const ReplaceRequest& r) {
    const QString& f = r.field;
    if (r.find.isEmpty()) return "EMPTY(" + f + ")";
    const QString v = r.caseSensitive ? r.find : asciiUpper(r.find);
    const QString n = QString::number(v.size());
    if (r.contains)
        return r.caseSensitive ? literal(v) + "$" + f
                               : "upper(" + literal(v) + ")$upper(" + f + ")";
    return r.caseSensitive ? "LEFT(" + f + "," + n + ")==" + literal(v)
                           : "LEFT(upper(" + f + ")," + n + ")==upper(" + literal(v) + ")";
}

QString replaceMatchingText(const QString& text, const QString& find, const QString& with,
                            bool caseSensitive) {
    if (find.isEmpty()) return text;
    const QString haystack = caseSensitive ? text : asciiUpper(text);
    const QString needle = caseSensitive ? find : asciiUpper(find);
    QString result;
    qsizetype from = 0;
    for (int replaced = 0; replaced < kMaxReplacementsPerField; ++replaced) {
        const qsizetype at = haystack.indexOf(needle, from);
        if (at < 0) break;
        result += QStringView(text).mid(from, at - from);
        result += with;
        from = at + needle.size();
    }
    result += QStringView(text).mid(from);
    return result;
}

int replaceFieldValues(data::TTable& table, const ReplaceRequest& request,
                       const QString& scopeFilter, const text::Progress& progress) {
    table.checkBrowseMode();
    data::TApollo engine(&table);
    const QString match = matchExpression(request);
    const QString query =
        scopeFilter.isEmpty() ? match : "(" + scopeFilter + ").and.(" + match + ")";
    // Deletion-marked records are never changed; ISDEL ones are, like any other.
    data::DeletedFilterSetting hideDeleted(true);
    data::OrderSetting natural(engine, 0);
    data::QuerySetting selection(engine, query);
    if (!selection.ok())
        throw data::DataError("The expression " + query + " cannot be used: " + engine.lastError());
    int changed = 0;
    {
        data::RecordSource records(table);
        const int total = records.count();
        for (bool at = records.first(); at; at = records.next()) {
            const QString value =
                request.partial ? replaceMatchingText(records.value(request.field), request.find,
                                                      request.with, request.caseSensitive)
                                : request.with;
            records.setValue(request.field, value);
            ++changed;
            if (!text::report(progress, changed, total)) break;
        }
    }
    table.resync();
    return changed;
}

}  // namespace pc::maintenance
