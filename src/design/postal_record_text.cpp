#include "design/postal_record_text.h"

#include "design/graphic_object.h"
#include "design/merge_source.h"
#include "design/object_host.h"

namespace pc::design {

void PostalRecordText::read(const TGGraphicControl& object, const QString& zipField,
                            const QString& addressField) {
    const MergeSource* source = object.host() ? object.host()->mergeSource() : nullptr;
    const auto text = [source](const QString& field) {
        return source ? source->text(field).value_or(QString()) : QString();
    };
    address = text(addressField);
    postalCode = text(zipField);
}

}  // namespace pc::design
