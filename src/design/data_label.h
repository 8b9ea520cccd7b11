#pragma once
// The text of one field of the current record, found by the field's display
// label (so renaming a label in the schema disconnects the object).
#include "design/base_label.h"

namespace pc::design {

class TGPDLabel : public TGBaseLabel {
  public:
    TGPDLabel();
    const char* className() const override { return "TGPDLabel"; }

    const QString& dataFieldName() const { return dataFieldName_; }
    void setDataFieldName(const QString& name) { dataFieldName_ = name; }
    const QString& dataFieldDescript() const { return dataFieldDescript_; }
    void setDataFieldDescript(const QString& label) { dataFieldDescript_ = label; }
    // Kept and stored; nothing reads it.
    int lengthOfText() const { return lengthOfText_; }
    void setLengthOfText(int length) { lengthOfText_ = length; }

    void refreshData() override;
    void clearData() override;
    void writeProperties(PropertyWriter& out) const override;
    bool readProperty(const QByteArray& name, const StreamValue& value) override;

  private:
    QString dataFieldName_;
    QString dataFieldDescript_;
    int lengthOfText_ = 0;
};

}  // namespace pc::design
