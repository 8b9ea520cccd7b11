#pragma once
// The Intelligent Mail barcode object of labels and envelopes: a tracking
// code (barcode ID, service type, mailer ID, serial number) and the current
// record's routing code, as 65 four-state bars. The serial number advances
// by one per printed piece, so every piece of a run carries its own code.
#include <cstdint>
#include <optional>

#include "design/graphic_object.h"
#include "design/postal_record_text.h"

namespace pc::design {

enum class TIMBRoutingType : std::uint8_t {
    imbr0Digit = 0,
    imbr5Digit = 1,
    imbr9Digit = 2,
    imbr11Digit = 3
};

class TGIMBarCode : public TGGraphicControl {
  public:
    TGIMBarCode();
    const char* className() const override { return "TGIMBarCode"; }

    const QString& zipCodeField() const { return zipCodeField_; }
    void SetZipCodeField(const QString& field) { zipCodeField_ = field; }
    const QString& addressField() const { return addressField_; }
    void SetAddressField(const QString& field) { addressField_ = field; }
    TIMBRoutingType routingType() const { return routingType_; }
    void setRoutingType(TIMBRoutingType type) { routingType_ = type; }
    const QString& barcodeID() const { return barcodeID_; }
    void setBarcodeID(const QString& id) { barcodeID_ = id; }
    const QString& serviceType() const { return serviceType_; }
    void setServiceType(const QString& type) { serviceType_ = type; }
    const QString& mailerID() const { return mailerID_; }
    void setMailerID(const QString& id) { mailerID_ = id; }
    // The first piece's serial number.
    const QString& serialNumber() const { return serialNumber_; }
    void setSerialNumber(const QString& serial) { serialNumber_ = serial; }

    const QString& postalCodeText() const { return record_.postalCode; }
    const QString& addressText() const { return record_.address; }
    // Pieces counted since the last reset.
    int pieceCount() const { return pieceCount_; }

    // The 20 tracking digits of the current piece; empty when the stored
    // parts do not make one (wrong lengths, a 9-digit mailer ID that does
    // not begin with 9, a serial number that outgrew its digits).
    QString trackingCode() const;
    // The routing digits from the current record; nothing when its postal
    // code gives none for the routing type.
    std::optional<QString> routingCode() const;
    // 'A' 'D' 'F' 'T' per bar; empty when nothing is drawn.
    QString bars() const;

    void refreshData() override;
    void clearData() override;
    void nextCounter() override;
    void resetCounter() override;
    // The bars at the standard's size, whatever the object's box.
    void printTo(print::PageCanvas& page, print::Inches top, print::Inches left) override;
    // The bars scaled into the box; while designing, a sample when the
    // record gives none.
    void paint(QPainter& painter) override;

    void writeProperties(PropertyWriter& out) const override;
    bool readProperty(const QByteArray& name, const StreamValue& value) override;

  private:
    QString zipCodeField_ = QStringLiteral("ZIP");
    QString addressField_ = QStringLiteral("STREET");
    TIMBRoutingType routingType_ = TIMBRoutingType::imbr11Digit;
    QString barcodeID_ = QStringLiteral("00");
    QString serviceType_ = QStringLiteral("300");
    QString mailerID_;
    QString serialNumber_;

    PostalRecordText record_;  // read at the last refresh
    int pieceCount_ = 0;
};

}  // namespace pc::design
