#include "maintenance/duplicate_check.h"

#include <algorithm>

#include "data/data_error.h"
#include "data/engine_setting_guards.h"
#include "data/filter_query.h"
#include "data/row_reader.h"
#include "data/t_apollo.h"
#include "data/t_table.h"
#include "data/temporary_index.h"
#include "maintenance/case_conversion.h"
#include "maintenance/phonetic_key.h"
#include "maintenance/similar_names.h"

namespace pc::maintenance {
namespace {

QString upper(const QString& text) {
    return convertCase(text, CaseConversion::Upper);
}

std::string bytes(const QString& text) {
    return upper(text).toStdString();
}

// Kinds 0-2: neighbours in the kind's order with equal values.
void checkNeighbours(data::TTable& table, data::TApollo& engine,
                     const DuplicateCheckOptions& options, const text::Progress& progress,
                     DuplicateCheckResult& result) {
    const QString tag = duplicateWalkTag(options.kind);
    const int order = engine.tagArea(tag);
    if (order == 0) throw data::DataError("The index tag " + tag + " is missing");
    data::OrderSetting walkOrder(engine, order);
    const int total = engine.queryRecCount();
    const int chars = std::clamp(options.streetChars, 1, kMaxStreetChars);
    const QString lname = QStringLiteral("LNAME"), fname = QStringLiteral("FNAME"),
                  street = QStringLiteral("STREET");
    data::RowReader rows(table);
    QString previous;
    bool previousTakesPart = false;
    int previousRecord = 0, done = 0;
    for (rows.goTop(); !rows.eof(); rows.skip(1)) {
        const int record = rows.recNo();
        QString part, key;
        if (options.kind == DuplicateKind::Street) {
            part = key = upper(rows.text(street).left(chars));
        } else {
            part = rows.text(lname);
            QString first = rows.text(fname);
            if (options.kind == DuplicateKind::LastFirstInitial) first.truncate(1);
            key = upper(part + first);
        }
        // A record without a last name (or street) is never reported, on
        // either side of a pair.
        const bool takesPart = !part.isEmpty();
        if (takesPart && previousTakesPart && key == previous) {
            if (result.records.empty() || result.records.back() != previousRecord)
                result.records.push_back(previousRecord);
            result.records.push_back(record);
            ++result.pairs;
        }
        previous = key;
        previousTakesPart = takesPart;
        previousRecord = record;
        if (!text::report(progress, ++done, total)) {
            result.stopped = true;
            break;
        }
    }
}

void checkSimilar(data::TTable& table, data::TApollo& engine, const DuplicateCheckOptions& options,
                  const text::Progress& progress, DuplicateCheckResult& result) {
    data::OrderSetting natural(engine, 0);
    const int total = engine.queryRecCount();
    std::vector<SimilarCandidate> candidates;
    std::vector<std::string> keys;  // the temporary index's key of each candidate
    candidates.reserve(total);
    keys.reserve(total);
    // Reading and comparing weigh about the same; each gets half the gauge.
    const auto half = [&](int offset) -> text::Progress {
        if (!progress) return {};
        return [&, offset](int done, int of) {
            return progress(offset + (of > 0 ? int(qint64(done) * total / of) : 0), 2 * total);
        };
    };
    {
        const text::Progress reading = half(0);
        data::RowReader rows(table);
        int done = 0;
        for (rows.goTop(); !rows.eof(); rows.skip(1)) {
            const QString last = rows.text(QStringLiteral("LNAME"));
            const QString first = rows.text(QStringLiteral("FNAME"));
            SimilarCandidate c;
            c.recno = rows.recNo();
            if (!last.isEmpty()) {
                c.name = bytes(last + ' ' + first);
                c.street = bytes(rows.text(QStringLiteral("STREET")));
                c.zip5 = bytes(rows.text(QStringLiteral("ZIP")).left(5));
                c.sound = soundex(bytes(last));
            }
            candidates.push_back(std::move(c));
            keys.push_back(bytes(last + first));
            if (!text::report(reading, ++done, total)) {
                result.stopped = true;
                return;
            }
        }
    }
    const auto pairs = findSimilarPairs(candidates, options.threshold, kSimilarWindow, half(total));
    result.pairs = static_cast<int>(pairs.size());
    std::vector<std::pair<std::string, int>> found;
    {
        std::vector<int> records;
        for (const auto& [a, b] : pairs) {
            records.push_back(a);
            records.push_back(b);
        }
        std::sort(records.begin(), records.end());
        records.erase(std::unique(records.begin(), records.end()), records.end());
        // Candidates are in record order: find each by binary search.
        for (int record : records) {
            const auto at =
                std::lower_bound(candidates.begin(), candidates.end(), record,
                                 [](const SimilarCandidate& c, int r) { return c.recno < r; });
            found.emplace_back(keys[at - candidates.begin()], record);
        }
    }
    std::sort(found.begin(), found.end());
    for (const auto& entry : found) result.records.push_back(entry.second);
}

}  // namespace

QString duplicateKeyExpression(DuplicateKind kind) {
    return kind == DuplicateKind::Street ? QStringLiteral("upper(STREET)")
                                         : QStringLiteral("upper(LNAME-FNAME)");
}

QString duplicateWalkTag(DuplicateKind kind) {
    return kind == DuplicateKind::Street ? QStringLiteral("STREET") : QStringLiteral("NAME");
}

QString duplicatesFoundText(int pairs) {
    return "Found " + QString::number(pairs) + " possible duplicates";
}

DuplicateCheckResult checkDuplicates(data::TTable& table, const DuplicateCheckOptions& options,
                                     const text::Progress& progress, data::TemporaryIndex* index) {
    DuplicateCheckResult result;
    table.checkBrowseMode();
    data::TApollo engine(&table);
    data::DeletedFilterSetting hideDeleted(true);
    data::QuerySetting live(engine, QString::fromLatin1(data::kNotDeletedQuery));
    if (!live.ok()) throw data::DataError("Cannot select the records: " + engine.lastError());
    if (options.kind == DuplicateKind::SimilarNames)
        checkSimilar(table, engine, options, progress, result);
    else
        checkNeighbours(table, engine, options, progress, result);
    if (index) {
        for (int record : result.records)
            if (!index->add(record))
                throw data::DataError("Cannot add to the index " + index->path());
        result.records = index->records();
    }
    return result;
}

}  // namespace pc::maintenance
