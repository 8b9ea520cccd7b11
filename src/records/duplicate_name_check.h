#pragma once
// The duplicate-name warning of Add: the typed name is looked up in the
// "LNAME" order before the new record is made.
#include <QString>

namespace pc::data {
class TApollo;
class TTable;
}  // namespace pc::data

namespace pc::records {

// The "LNAME" tag's key for a name: each part upper-cased and encoded as
// the keys are, blank-padded and cut to its field's width.
QString duplicateNameKey(const QString& last, const QString& first, int lastWidth, int firstWidth);

// The question shown for a found record.
QString duplicateQuestion(const QString& first, const QString& last, const QString& street,
                          const QString& city, const QString& state, const QString& zip);

// Whether adding may go on. With both names given, seeks the name exactly in
// the "LNAME" order; when a record has it, asks "Continue adding?" (No is
// the default). Order and exact setting are put back; on Yes (or no match)
// the record that was current stays current, on No the duplicate becomes
// current so the user sees it.
bool CheckDupName(pc::data::TTable& table, pc::data::TApollo& apollo, const QString& first,
                  const QString& last);

}  // namespace pc::records
