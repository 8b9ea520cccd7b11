#include "design/data_label.h"

#include "design/merge_source.h"
#include "design/object_host.h"
#include "design/property_writer.h"

namespace pc::design {
namespace {

QString withoutTrailingBlanks(const QString& s) {
    qsizetype end = s.size();
    while (end > 0 && s.at(end - 1) == QLatin1Char(' ')) --end;
    return s.left(end);
}

}  // namespace

TGPDLabel::TGPDLabel() {
    storeCaption(QString());
}

void TGPDLabel::refreshData() {
    const bool print = printing();
    const MergeSource* source = host() ? host()->mergeSource() : nullptr;
    std::optional<MergeField> found;
    if (source && !dataFieldDescript_.isEmpty())
        for (const MergeField& f : source->fields())
            if (f.displayLabel == dataFieldDescript_) found = f;  // the last match wins

    QString caption = this->caption();
    if (found && (print || host()->displayDataValues())) {
        caption = source->text(found->name).value_or(QString());
        if (!print && caption.trimmed().isEmpty()) caption = QStringLiteral("<blank field>");
    } else if (found) {
        caption = QLatin1Char('[') + dataFieldDescript_ + QLatin1Char(']');
    } else if (!print) {
        caption = QStringLiteral("<undefined field>");
    }
    storeCaption(withoutTrailingBlanks(caption));
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
