#pragma once
// The address record: its 23 stored fields, the field objects of an open
// address table (order, labels, calculated fields) and its 26 index tags.
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace pc::data {

class TTable;

struct AddressFieldDef {
    const char* name;
    char type;             // 'C', 'L' or 'M'
    int width;             // fixed width; the default for a keyed field
    const char* widthKey;  // key in "NewFileFieldLengths", null for a fixed width
};

struct AddressTagDef {
    const char* name;
    const char* expression;
};

// In physical order as created.
const std::vector<AddressFieldDef>& addressStoredFields();
// In creation order.
const std::vector<AddressTagDef>& addressTags();
QStringList addressTagNames();

inline constexpr int kNameFieldWidth = 35;    // FullName, FullNameWithPrefix, CityStateZip
inline constexpr int kDisplayDateWidth = 12;  // DisplayDate

// Defines the field objects of an address table on a closed table object
// (any earlier ones are dropped) and installs the calculated fields: the
// name and address ones are computed only while FullName is visible. The
// global tag identifier is asked for at each calculation; after it changes,
// refreshCalculatedFields() shows the new Tagged values.
void defineAddressFields(TTable& table, std::function<QString()> globalTagId);
// Shows or hides FullName, FullNameWithPrefix and CityStateZip (shown while
// printing) and computes them again.
void setNameFieldsVisible(TTable& table, bool visible);

}  // namespace pc::data
