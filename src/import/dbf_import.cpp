#include "import/dbf_import.h"

#include <QFileInfo>

#include "data/data_error.h"
#include "data/t_apollo.h"
#include "data/t_field.h"
#include "data/t_table.h"
#include "xbase/engine.h"

namespace pc::import {

using pc::data::TField;
using pc::data::TFieldType;
using pc::data::TTable;

bool openImportSource(const QString& path, TTable& source) {
    if (source.active()) source.close();
    source.clearFields();
    const QFileInfo info(path);
    source.setFolder(info.absolutePath());
    source.setFileName(info.fileName());
    source.setOrderTagName({});
    source.setExclusive(false);
    for (const int driver : {0, static_cast<int>(pc::xbase::kDriverNtx)}) {
        source.setDriver(driver);
        try {
            source.open();
            return true;
        } catch (const pc::data::DataError&) {
            source.clearFields();
        }
    }
    source.setDriver(0);
    return false;
}

bool pairableKind(const TField& f) {
    switch (f.type()) {
        case TFieldType::String:
        case TFieldType::Logical:
        case TFieldType::Number:
        case TFieldType::Date:
        case TFieldType::Memo:
            return !f.calculated();
        case TFieldType::Other:
            break;
    }
    return false;
}

std::vector<TField*> dbfMatchRows(const TTable& destination) {
    std::vector<TField*> rows;
    for (int i = 0; i < destination.fieldCount(); ++i) {
        TField& f = destination.field(i);
        if (f.calculated() || !f.visible() || f.name().toUpper() == u"ISDEL") continue;
        rows.push_back(&f);
    }
    return rows;
}

bool kindSuits(const TField& source, const TField& destination) {
    if (destination.type() == TFieldType::Memo) return source.type() == TFieldType::Memo;
    if (destination.type() == TFieldType::Date) return source.type() == TFieldType::Date;
    return source.type() != TFieldType::Memo;
}

std::vector<int> autoPairDbf(const TTable& source, const TTable& destination) {
    std::vector<int> pairing(source.fieldCount(), kNotPaired);
    std::vector<bool> held(destination.fieldCount(), false);
    for (int s = 0; s < source.fieldCount(); ++s) {
        const TField& from = source.field(s);
        if (!pairableKind(from)) continue;
        const QString name = from.name().toUpper();
        for (int d = 0; d < destination.fieldCount(); ++d) {
            const TField& to = destination.field(d);
            if (held[d] || to.calculated()) continue;
            const bool match =
                from.type() == TFieldType::Memo
                    ? to.name().toUpper() == u"MEMO"
                    : (to.displayLabel().toUpper() == name || to.name().toUpper() == name);
            if (!match) continue;
            pairing[s] = d;
            held[d] = true;
            break;
        }
    }
    return pairing;
}

ImportResult runDbfImport(TTable& source, const std::vector<int>& pairing, TTable& destination,
                          const ImportCalls& calls) {
    auto loop = [&](UnstorableTally& tally) {
        if (calls.status) calls.status(QStringLiteral("Importing records"));
        const int total = pc::data::TApollo(&source).recCount();
        TField* memo = destination.findField(QStringLiteral("MEMO"));
        ImportOutcome outcome;
        int recno = 0;
        bool started = false;
        const RowProducer next = [&](std::vector<Assignment>& row) {
            if (const RowRead read = stepSource(source, started); read != RowRead::Row) return read;
            recno = source.recNo();
            for (int s = 0; s < source.fieldCount() && s < static_cast<int>(pairing.size()); ++s) {
                const int d = pairing[s];
                if (d == kNotPaired || d < 0 || d >= destination.fieldCount()) continue;
                const TField& from = source.field(s);
                TField* to = from.type() == TFieldType::Memo ? memo : &destination.field(d);
                row.push_back({to, from.text()});
            }
            return RowRead::Row;
        };
        // Progress goes by the source's record number, as the gauge does.
        const pc::text::Progress progress = [&](int, int) {
            return pc::text::report(calls.progress, recno, total);
        };
        outcome = appendRows(destination, next, total, tally, progress);
        return outcome;
    };
    return runImport(destination, calls, loop, tableEndMessage);
}

}  // namespace pc::import
