#include "postal/presort_records.h"

#include "data/engine_setting_guards.h"
#include "data/row_reader.h"

namespace pc::postal {

bool countPresortKeys(data::TTable& table, data::TApollo& engine, BulkMailPresort& presort,
                      const std::function<bool(int)>& keepGoing) {
    data::OrderSetting natural(engine, 0);
    data::RowReader rows(table);
    const QString zip = QStringLiteral("ZIP");
    for (rows.goTop(); !rows.eof(); rows.skip(1)) {
        presort.count(rows.text(zip));
        if (keepGoing && !keepGoing(rows.recNo())) return false;
    }
    return true;
}

QByteArray presortFileBytes(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) bytes += line.toLatin1() + "\r\n";
    return bytes;
}

}  // namespace pc::postal
