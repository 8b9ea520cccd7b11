#include "design/imb_barcode.h"

#include <QPainter>
#include <algorithm>
#include <array>

#include "design/merge_source.h"
#include "design/object_host.h"
#include "design/property_writer.h"
#include "postal/intelligent_mail.h"
#include "postal/postnet.h"
#include "print/page_canvas.h"

namespace pc::design {
namespace {

constexpr std::array<const char*, 4> kRoutingIdentifiers = {"imbr0Digit", "imbr5Digit",
                                                            "imbr9Digit", "imbr11Digit"};

bool isDigits(const QString& text, qsizetype length) {
    return text.size() == length && postal::DigitsOnly(text) == text;
}

// Where each bar starts and ends, top down, as fractions of the full height.
std::pair<double, double> barSpan(QChar bar) {
    const double full = postal::kImbFullBarHeight;
    const double trackerTop = postal::kImbTrackerTop / full;
    const double trackerBottom = (postal::kImbTrackerTop + postal::kImbTrackerHeight) / full;
    switch (bar.unicode()) {
        case u'F':
            return {0.0, 1.0};
        case u'A':
            return {0.0, trackerBottom};
        case u'D':
            return {trackerTop, 1.0};
        default:
            return {trackerTop, trackerBottom};
    }
}

// What the surface shows while designing when the record gives no code.
const QString& sampleBars() {
    static const QString bars = postal::IntelligentMailBars(QStringLiteral("01234567094987654321"),
                                                            QStringLiteral("01234567891"));
    return bars;
}

}  // namespace

TGIMBarCode::TGIMBarCode() {
    const int ppi = print::kLayoutPixelsPerInch;
    setBounds(0, 0, static_cast<int>(postal::IntelligentMailWidthInches() * ppi),
              static_cast<int>(postal::kImbFullBarHeight * ppi));
}

QString TGIMBarCode::trackingCode() const {
    if (!isDigits(barcodeID_, 2) || barcodeID_.at(1) > QLatin1Char('4')) return {};
    if (!isDigits(serviceType_, 3)) return {};
    // The decoder tells the mailer ID's length by its first digit.
    const bool longMailer = isDigits(mailerID_, 9) && mailerID_.at(0) == QLatin1Char('9');
    const bool shortMailer = isDigits(mailerID_, 6) && mailerID_.at(0) != QLatin1Char('9');
    if (!longMailer && !shortMailer) return {};
    const int serialDigits = longMailer ? 6 : 9;
    const QString first = serialNumber_.trimmed();
    if (first.size() > serialDigits || postal::DigitsOnly(first) != first) return {};
    const qint64 serial = first.toLongLong() + pieceCount_;
    const QString text = QString::number(serial).rightJustified(serialDigits, QLatin1Char('0'));
    if (text.size() > serialDigits) return {};
    return barcodeID_ + serviceType_ + mailerID_ + text;
}

std::optional<QString> TGIMBarCode::routingCode() const {
    if (routingType_ == TIMBRoutingType::imbr0Digit) return QString();
    if (!postal::PostNetCodeIsValid(record_.postalCode)) return std::nullopt;
    const QString digits = postal::DigitsOnly(record_.postalCode);
    if (digits.size() < 5) return std::nullopt;
    // Without the ZIP+4 a longer routing type falls back to the five digits.
    if (routingType_ == TIMBRoutingType::imbr5Digit || digits.size() < 9) return digits.left(5);
    if (routingType_ == TIMBRoutingType::imbr9Digit) return digits.left(9);
    return digits.left(9) + postal::DeliveryPointFromAddress(record_.address);
}

QString TGIMBarCode::bars() const {
    const auto routing = routingCode();
    const QString tracking = trackingCode();
    if (!routing || tracking.isEmpty()) return {};
    return postal::IntelligentMailBars(tracking, *routing);
}

void TGIMBarCode::refreshData() {
    record_.read(*this, zipCodeField_, addressField_);
    repaint();
}

void TGIMBarCode::clearData() {
    record_.clear();
}

void TGIMBarCode::nextCounter() {
    ++pieceCount_;
}

void TGIMBarCode::resetCounter() {
    pieceCount_ = 0;
}

void TGIMBarCode::printTo(print::PageCanvas& page, print::Inches top, print::Inches left) {
    using print::Inches;
    const QString sequence = bars();
    if (sequence.isEmpty()) return;
    page.setBrush(Qt::black);
    const print::InchRect box = inchRect(top, left);
    Inches x = box.left;
    std::vector<print::InchRect> rects;
    for (const QChar bar : sequence) {
        const auto [from, to] = barSpan(bar);
        rects.push_back({x, box.top + Inches(from * postal::kImbFullBarHeight),
                         x + Inches(postal::kImbBarWidth),
                         box.top + Inches(to * postal::kImbFullBarHeight)});
        x += Inches(postal::kImbBarPitch);
    }
    page.fillRects(rects);
}

void TGIMBarCode::paint(QPainter& painter) {
    QString sequence = bars();
    if (sequence.isEmpty() && !printing()) sequence = sampleBars();
    if (sequence.isEmpty() || width() <= 0 || height() <= 0) return;
    const double scale = width() / postal::IntelligentMailWidthInches();  // pixels per inch
    const double barWidth = std::max(1.0, postal::kImbBarWidth * scale);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int i = 0; i < sequence.size(); ++i) {
        const auto [from, to] = barSpan(sequence.at(i));
        painter.fillRect(QRectF(i * postal::kImbBarPitch * scale, from * height(), barWidth,
                                (to - from) * height()),
                         Qt::black);
    }
    painter.restore();
}

void TGIMBarCode::writeProperties(PropertyWriter& out) const {
    TGGraphicControl::writeProperties(out);
    out.text("ZipCodeField", zipCodeField_);
    out.text("AddressField", addressField_);
    out.enumeration("RoutingType", kRoutingIdentifiers[static_cast<std::size_t>(routingType_)]);
    out.text("BarcodeID", barcodeID_);
    out.text("ServiceType", serviceType_);
    out.text("MailerID", mailerID_);
    out.text("SerialNumber", serialNumber_);
}

bool TGIMBarCode::readProperty(const QByteArray& name, const StreamValue& value) {
    QString* text = name == "ZipCodeField"   ? &zipCodeField_
                    : name == "AddressField" ? &addressField_
                    : name == "BarcodeID"    ? &barcodeID_
                    : name == "ServiceType"  ? &serviceType_
                    : name == "MailerID"     ? &mailerID_
                    : name == "SerialNumber" ? &serialNumber_
                                             : nullptr;
    if (text) {
        if (const auto t = read::text(value)) *text = *t;
    } else if (name == "RoutingType") {
        read::enumeration(value, {"imbr0Digit", "imbr5Digit", "imbr9Digit", "imbr11Digit"},
                          routingType_);
    } else {
        return TGGraphicControl::readProperty(name, value);
    }
    return true;
}

}  // namespace pc::design
