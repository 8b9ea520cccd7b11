#pragma once
// The merge fields of a form letter: the names a template may carry in
// brackets ("[First]") and their values for the current address record.
#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace pc::data {
class TTable;
}

namespace pc::letters {

// The 25 names in the order the designer offers them.
const QStringList& mergeFieldNames();

// A field of the current address record without trailing blanks; empty
// when the table has no such field.
using AddressFields = std::function<QString(const QString& fieldName)>;
AddressFields tableFields(const data::TTable& table);

// "Full Name": prefix, first, middle with a period, last, each followed by
// a blank; empty parts vanish, so a name ends in one blank.
QString fullName(const AddressFields& fields);
// "Name and Address": the address block, each line ended by CR LF, empty
// lines left out.
QString nameAndAddress(const AddressFields& fields);

struct MergeValue {
    QString name;
    QString value;
};
// Every name with its value, in the order the letter is merged.
std::vector<MergeValue> mergeValues(const AddressFields& fields, const QDate& today);

}  // namespace pc::letters
