#pragma once
// The POSTNET barcode object: the current record's postal code, extended by
// the street's delivery-point digits, printed as full and half bars. On the
// surface it shows a fixed barcode picture; real bars only on paper.
#include <QImage>

#include "design/graphic_object.h"
#include "design/postal_record_text.h"
#include "postal/postnet.h"

namespace pc::design {

class TGPostNetBarCode : public TGGraphicControl {
  public:
    TGPostNetBarCode();
    const char* className() const override { return "TGPostNetBarCode"; }

    const QString& zipCodeField() const { return zipCodeField_; }
    void SetZipCodeField(const QString& field) { zipCodeField_ = field; }
    const QString& addressField() const { return addressField_; }
    void SetAddressField(const QString& field) { addressField_ = field; }
    postal::TPostNetBarCodeType barCodeType() const { return barCodeType_; }
    void setBarCodeType(postal::TPostNetBarCodeType type) { barCodeType_ = type; }

    // The texts read by the last refresh.
    const QString& postalCodeText() const { return record_.postalCode; }
    const QString& addressText() const { return record_.address; }

    // Data digits and check digit for the current record; empty when the
    // postal code fails the gate and nothing is drawn.
    QString encodedDigits() const;
    // 'F'/'H' per bar, both frame bars included; empty when nothing is drawn.
    QString bars() const;

    void refreshData() override;
    void clearData() override;
    void printTo(print::PageCanvas& page, print::Inches top, print::Inches left) override;
    // The barcode picture over the whole object, whose size follows the
    // picture at the current zoom (the user cannot resize it).
    void paint(QPainter& painter) override;

    void writeProperties(PropertyWriter& out) const override;
    bool readProperty(const QByteArray& name, const StreamValue& value) override;

    // The picture shown on the surface: 270 x 16 pixels of sample bars.
    static const QImage& barcodeBitmap();

  private:
    QString zipCodeField_;
    QString addressField_;
    postal::TPostNetBarCodeType barCodeType_ = postal::TPostNetBarCodeType::pnbc11Digit;
    PostalRecordText record_;  // read at the last refresh
};

}  // namespace pc::design
