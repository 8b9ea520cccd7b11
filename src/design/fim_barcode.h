#pragma once
// The Facing Identification Mark object of envelopes: a fixed 5/8 in field
// of bars in one of the patterns A to E, drawn for real on the surface too.
#include "design/graphic_object.h"
#include "postal/fim.h"

namespace pc::design {

class TGFIMBarCode : public TGGraphicControl {
  public:
    TGFIMBarCode();
    const char* className() const override { return "TGFIMBarCode"; }

    postal::TFIMBarCodeType fimType() const { return fimType_; }
    // Repaints only when the type changes.
    void SetFIMType(postal::TFIMBarCodeType type);
    // The popup menu's items ("Set FIM to Type A" ...) and their click: the
    // surface hears of the change first, then the type is set.
    static QString menuCaption(postal::TFIMBarCodeType type);
    void menuChooseType(postal::TFIMBarCodeType type);
    // The nine positions as '1'/'0'; empty for an unknown type.
    QString pattern() const { return postal::FimPattern(fimType_); }

    void printTo(print::PageCanvas& page, print::Inches top, print::Inches left) override;
    // Forces the 5/8 in square at the current zoom, then the bars.
    void paint(QPainter& painter) override;

    void writeProperties(PropertyWriter& out) const override;
    bool readProperty(const QByteArray& name, const StreamValue& value) override;

  private:
    postal::TFIMBarCodeType fimType_ = postal::TFIMBarCodeType::fimTypeA;
};

}  // namespace pc::design
