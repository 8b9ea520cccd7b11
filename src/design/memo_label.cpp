#include "design/memo_label.h"

#include "design/merge_source.h"
#include "design/object_host.h"
#include "design/property_writer.h"
#include "design/text_wrap.h"

namespace pc::design {
QString TGDMultiLineLabel::blankPlaceholder() const {
    return QStringLiteral("<blank memo>");
}

void TGDMultiLineLabel::refreshData() {
    const MergeSource* source = host() ? host()->mergeSource() : nullptr;
    const bool showValues = printing() || (host() && host()->displayDataValues());
    const auto field = source ? source->fieldByLabel(dataFieldDescript_) : std::nullopt;
    QStringList lines;
    if (field && showValues) {
        const QString text = source->memo(*field).value_or(QString());
        if (!text.isEmpty()) {
            lines = splitParagraphs(text);
            if (wordWrap()) lines = wrapLines(lines, font().toQFont(zoom()), width());
        }
    } else if (field) {
        lines << QLatin1Char('[') + dataFieldDescript_ + QLatin1Char(']');
    } else if (!printing()) {
        lines << QStringLiteral("<undefined memo>");
    }
    setItems(lines);
    merged();
}

void TGDMultiLineLabel::clearData() {
    setItems({});
}

void TGDMultiLineLabel::writeProperties(PropertyWriter& out) const {
    TGMultiLineBaseLabel::writeProperties(out);
    out.text("DataFieldName", dataFieldName_);
    out.text("DataFieldDescript", dataFieldDescript_);
}

bool TGDMultiLineLabel::readProperty(const QByteArray& name, const StreamValue& value) {
    if (name == "DataFieldName") {
        if (const auto t = read::text(value)) dataFieldName_ = *t;
    } else if (name == "DataFieldDescript") {
        if (const auto t = read::text(value)) dataFieldDescript_ = *t;
    } else {
        return TGMultiLineBaseLabel::readProperty(name, value);
    }
    return true;
}

void TGDMultiLineLabel::commandMemoField(const QString& fieldName, const QString& displayLabel) {
    dataFieldName_ = fieldName;
    dataFieldDescript_ = displayLabel;
    notifyChanged();
    refreshData();
}

void TGDMultiLineLabel::commandWordWrap() {
    setWordWrap(!wordWrap());
    refreshData();
    notifyChanged();
}

}  // namespace pc::design
