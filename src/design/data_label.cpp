#include "design/data_label.h"

#include "design/merge_source.h"
#include "design/object_host.h"
#include "design/property_writer.h"
#include "text/text_utils.h"

namespace pc::design {
TGPDLabel::TGPDLabel() {
    storeCaption(QString());
}

void TGPDLabel::refreshData() {
    const bool print = printing();
    const MergeSource* source = host() ? host()->mergeSource() : nullptr;
    const std::optional<QString> found =
        source ? source->fieldByLabel(dataFieldDescript_) : std::nullopt;

    QString caption = this->caption();
    if (found && (print || host()->displayDataValues())) {
        caption = source->text(*found).value_or(QString());
        if (!print && caption.trimmed().isEmpty()) caption = QStringLiteral("<blank field>");
    } else if (found) {
        caption = QLatin1Char('[') + dataFieldDescript_ + QLatin1Char(']');
    } else if (!print) {
        caption = QStringLiteral("<undefined field>");
    }
    storeCaption(text::rightTrim(caption));
    repaint();
}

void TGPDLabel::clearData() {
    storeCaption(QString());
}

void TGPDLabel::writeProperties(PropertyWriter& out) const {
    TGBaseLabel::writeProperties(out);
    out.text("DataFieldName", dataFieldName_);
    out.text("DataFieldDescript", dataFieldDescript_);
    out.integer("LengthOfText", lengthOfText_);
}

bool TGPDLabel::readProperty(const QByteArray& name, const StreamValue& value) {
    if (name == "DataFieldName") {
        if (const auto t = read::text(value)) dataFieldName_ = *t;
    } else if (name == "DataFieldDescript") {
        if (const auto t = read::text(value)) dataFieldDescript_ = *t;
    } else if (name == "LengthOfText") {
        if (const auto n = read::integer(value)) lengthOfText_ = static_cast<int>(*n);
    } else {
        return TGBaseLabel::readProperty(name, value);
    }
    return true;
}

}  // namespace pc::design
