#include "design/address_label.h"

#include "design/merge_source.h"
#include "design/object_host.h"
#include "design/property_writer.h"

namespace pc::design {
namespace {

struct Flag {
    const char* name;
    bool AddressBlockOptions::*member;
};

constexpr Flag kFlags[] = {
    {"UseName", &AddressBlockOptions::useName},
    {"UseTitle", &AddressBlockOptions::useTitle},
    {"UseCompany", &AddressBlockOptions::useCompany},
    {"UseStreet", &AddressBlockOptions::useStreet},
    {"UseStreet2", &AddressBlockOptions::useStreet2},
    {"UseCityState", &AddressBlockOptions::useCityState},
    {"UseZip", &AddressBlockOptions::useZip},
    {"UsePhone", &AddressBlockOptions::usePhone},
    {"UseCountry", &AddressBlockOptions::useCountry},
};

}  // namespace

const char* identifier(ZipOptions options) {
    static constexpr const char* names[] = {"zoAfterState", "zoBeforeCity", "zoAfterCountry",
                                            "zoBeforeCountry"};
    return names[static_cast<int>(options)];
}

void TGDMultiLineAddressLabel::refreshData() {
    QStringList lines;
    if (printing() || (host() && host()->displayDataValues())) {
        const MergeSource* source = host() ? host()->mergeSource() : nullptr;
        lines = composeAddressBlock(options_, [source](const QString& field) {
            return source ? source->text(field) : std::nullopt;
        });
    } else {
        lines << QStringLiteral("[Address Label]");
    }
    setItems(lines);
    merged();
}

void TGDMultiLineAddressLabel::clearData() {
    setItems({});
}

void TGDMultiLineAddressLabel::writeProperties(PropertyWriter& out) const {
    TGMultiLineBaseLabel::writeProperties(out);
    for (const Flag& flag : kFlags) out.boolean(flag.name, options_.*flag.member);
    out.enumeration("ZipOptions", identifier(options_.zipOptions));
    out.boolean("UpperCase", options_.upperCase);
}

bool TGDMultiLineAddressLabel::readProperty(const QByteArray& name, const StreamValue& value) {
    for (const Flag& flag : kFlags) {
        if (name == flag.name) {
            if (const auto b = read::boolean(value)) options_.*flag.member = *b;
            return true;
        }
    }
    if (name == "ZipOptions") {
        read::enumeration(value,
                          {"zoAfterState", "zoBeforeCity", "zoAfterCountry", "zoBeforeCountry"},
                          options_.zipOptions);
    } else if (name == "UpperCase") {
        if (const auto b = read::boolean(value)) options_.upperCase = *b;
    } else {
        return TGMultiLineBaseLabel::readProperty(name, value);
    }
    return true;
}

void TGDMultiLineAddressLabel::commandAddressLayout(const AddressBlockOptions& options) {
    options_ = options;
    refreshData();
    notifyChanged();
}

}  // namespace pc::design
