#pragma once
// Converts the letter case of chosen fields in the current record, in every
// record, or in the records of the filter.
#include <QString>
#include <QStringList>

#include "maintenance/case_conversion.h"
#include "text/progress.h"

namespace pc::data {
class TTable;
}

namespace pc::maintenance {

enum class ConversionScope { CurrentRecord, AllRecords, MatchingFilter };

struct ConversionResult {
    int converted = 0;  // records gone through
    int changed = 0;    // records whose text changed
    bool stopped = false;
};

// AllRecords walks the records that are not deleted ("!ISDEL"); MatchingFilter
// those of `filterQuery` (the engine query of the filter). Fields are
// converted in the window's order. The query and the current record are put
// back afterwards. Throws DataError when the engine refuses.
ConversionResult convertRecords(data::TTable& table, const QStringList& fields,
                                CaseConversion conversion, ConversionScope scope,
                                const QString& filterQuery = {},
                                const text::Progress& progress = {});

}  // namespace pc::maintenance
