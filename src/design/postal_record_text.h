#pragma once
// The postal code and street text a barcode object reads from the current
// record through its surface's merge source.
#include <QString>

namespace pc::design {

class TGGraphicControl;

struct PostalRecordText {
    QString postalCode;
    QString address;

    // A field the record does not have, or no bound record, reads as empty.
    void read(const TGGraphicControl& object, const QString& zipField, const QString& addressField);
    void clear() {
        postalCode.clear();
        address.clear();
    }
};

}  // namespace pc::design
