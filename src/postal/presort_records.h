#pragma once
// The presort over an open table: the keys of the records passing its
// query, read in natural order past the table object, and the file bytes.
#include <QByteArray>
#include <QStringList>
#include <functional>

#include "postal/bulk_mail_presort.h"

namespace pc::data {
class TApollo;
class TTable;
}  // namespace pc::data

namespace pc::postal {

// Counts every chosen record's ZIP; `keepGoing` hears each record number
// and stops the reading by returning false. False when stopped.
bool countPresortKeys(data::TTable& table, data::TApollo& engine, BulkMailPresort& presort,
                      const std::function<bool(int recno)>& keepGoing = {});
// The lines as the presort file holds them: each ended by CR LF.
QByteArray presortFileBytes(const QStringList& lines);

}  // namespace pc::postal
