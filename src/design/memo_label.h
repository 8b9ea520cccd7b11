#pragma once
// A multi-line object showing the memo text of the current record.
#include "design/multi_line_label.h"

namespace pc::design {

class TGDMultiLineLabel : public TGMultiLineBaseLabel {
  public:
    const char* className() const override { return "TGDMultiLineLabel"; }

    // Stored after the base: DataFieldName, DataFieldDescript.
    const QString& dataFieldName() const { return dataFieldName_; }
    void setDataFieldName(const QString& name) { dataFieldName_ = name; }
    // The field's display label: what the merge matches the field by.
    const QString& dataFieldDescript() const { return dataFieldDescript_; }
    void setDataFieldDescript(const QString& descript) { dataFieldDescript_ = descript; }

    QString blankPlaceholder() const override;
    void refreshData() override;
    void clearData() override;
    void writeProperties(PropertyWriter& out) const override;
    bool readProperty(const QByteArray& name, const StreamValue& value) override;

    // "Memo Field": the chosen field's name and display label.
    void commandMemoField(const QString& fieldName, const QString& displayLabel);
    void commandWordWrap();

  private:
    QString dataFieldName_;
    QString dataFieldDescript_;
};

}  // namespace pc::design
