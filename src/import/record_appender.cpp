#include "import/record_appender.h"

#include "data/data_error.h"
#include "data/t_field.h"
#include "data/t_table.h"
#include "data/unstorable_text.h"

namespace pc::import {

using pc::data::TFieldType;

QString asciiEndMessage(const ImportOutcome& o) {
    const QString n = QString::number(o.imported);
    if (o.readError) return "Unknown error reading ASCII file after importing " + n + " records.";
    if (o.writeError)
        return "Unknown error writing to data file after importing " + n + " records.";
    if (o.cancelled) return "Import cancelled after importing " + n + " records.";
    return "Import complete. Imported " + n + " records.";
}

QString tableEndMessage(const ImportOutcome& o) {
    if (o.readError || o.writeError) return QStringLiteral("Unknown error while importing.");
    const QString n = QString::number(o.imported);
    if (o.cancelled) return "Import cancelled after importing " + n + " records.";
    return "Import complete. Imported " + n + " records.";
}

void UnstorableTally::check(const QString& value) {
    bool plain = true;
    for (const QChar c : value)
        if (c.unicode() >= 0x80) {
            plain = false;
            break;
        }
    if (plain) return;
    const QString lost = pc::data::unstorableCharacters(value);
    if (lost.isEmpty()) return;
    // Count every occurrence, list each character once.
    for (qsizetype i = 0; i < value.size(); ++i) {
        const bool pair = value.at(i).isHighSurrogate() && i + 1 < value.size();
        const QString c = value.mid(i, pair ? 2 : 1);
        if (pair) ++i;
        if (!lost.contains(c)) continue;
        ++count_;
        if (!characters_.contains(c) && characters_.size() < 40) characters_ += c;
    }
}

QString UnstorableTally::report() const {
    if (count_ == 0) return {};
    return QString::number(count_) +
           (count_ == 1 ? " character could not be stored and became \"?\": "
                        : " characters could not be stored and became \"?\": ") +
           characters_;
}

namespace {

// Records reach the disk in batches; every exit path pushes the last one.
class DeferredCommits {
  public:
    explicit DeferredCommits(pc::data::TTable& table) : table_(table) {
        table_.setCommitsDeferred(true);
    }
    ~DeferredCommits() {
        table_.setCommitsDeferred(false);
        try {
            table_.commit();
        } catch (const pc::data::DataError&) {
            // Reported by the caller's own commit() when it matters.
        }
    }
    DeferredCommits(const DeferredCommits&) = delete;
    DeferredCommits& operator=(const DeferredCommits&) = delete;

  private:
    pc::data::TTable& table_;
};

constexpr int kCommitEvery = 5000;

}  // namespace

ImportOutcome appendRows(pc::data::TTable& destination, const RowProducer& next, int total,
                         UnstorableTally& tally, const pc::text::Progress& progress) {
    ImportOutcome outcome;
    DeferredCommits batches(destination);
    std::vector<Assignment> row;
    for (;;) {
        row.clear();
        const RowRead read = next(row);
        if (read == RowRead::End) break;
        if (read == RowRead::Error) {
            outcome.readError = true;
            break;
        }
        try {
            destination.insert();
            for (const Assignment& a : row) {
                if (!a.field || a.value.isEmpty()) continue;
                const bool text = a.field->type() == TFieldType::String;
                const QString value =
                    text && a.field->width() > 0 ? a.value.left(a.field->width()) : a.value;
                if (text || a.field->type() == TFieldType::Memo) tally.check(value);
                a.field->setText(value);
            }
            destination.post();
            if ((outcome.imported + 1) % kCommitEvery == 0) destination.commit();
        } catch (const pc::data::DataError&) {
            try {
                destination.cancel();
            } catch (const pc::data::DataError&) {
                // The table reports the first failure; this one adds nothing.
            }
            outcome.writeError = true;
            break;
        }
        ++outcome.imported;
        if (!pc::text::report(progress, outcome.imported, total)) {
            outcome.cancelled = true;
            break;
        }
    }
    return outcome;
}

RowRead stepSource(pc::data::TTable& source, bool& started) {
    try {
        if (started)
            source.next();
        else
            source.first();
        started = true;
        return source.eof() || !source.hasCurrentRecord() ? RowRead::End : RowRead::Row;
    } catch (const pc::data::DataError&) {
        return RowRead::Error;
    }
}

}  // namespace pc::import
