#pragma once
// The mailing-address block composed from one address record: which lines
// are used, where the ZIP code goes, and the exact blank rules of each line.
// A pure function over field values, so every case is testable without a
// table.
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace pc::design {

enum class ZipOptions { zoAfterState, zoBeforeCity, zoAfterCountry, zoBeforeCountry };

struct AddressBlockOptions {
    bool useName = true;
    bool useTitle = true;
    bool useCompany = true;
    bool useStreet = true;
    bool useStreet2 = true;
    bool useCityState = true;
    bool useZip = true;
    bool usePhone = false;
    bool useCountry = true;
    ZipOptions zipOptions = ZipOptions::zoAfterState;
    bool upperCase = false;

    bool operator==(const AddressBlockOptions&) const = default;
};

// A field's text without trailing blanks; nothing when the record has no
// such field.
using AddressFieldReader = std::function<std::optional<QString>(const QString& fieldName)>;

// The block's lines, empty lines left out. Fields are read only for the
// lines in use; a missing field ends the composition with the lines
// gathered before it.
QStringList composeAddressBlock(const AddressBlockOptions& options,
                                const AddressFieldReader& field);

}  // namespace pc::design
