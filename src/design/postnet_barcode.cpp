#include "design/postnet_barcode.h"

#include <QPainter>
#include <cmath>

#include "design/merge_source.h"
#include "design/object_host.h"
#include "design/property_writer.h"
#include "print/page_canvas.h"

namespace pc::design {
namespace {

using postal::TPostNetBarCodeType;

constexpr int kPictureWidth = 270;
constexpr int kPictureHeight = 16;

// Drawn once from a sample code at the printed pitch, so the picture looks
// like the real thing at zoom 1.
QImage drawBarcodeBitmap() {
    QImage image(kPictureWidth, kPictureHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    const QString bars = postal::PostNetBars(QStringLiteral("123456789230"));
    const double pitch = postal::kPostNetBarPitch * print::kLayoutPixelsPerInch;
    const int halfHeight = static_cast<int>(std::lround(
        kPictureHeight * postal::kPostNetHalfBarHeight / postal::kPostNetFullBarHeight));
    for (int i = 0; i < bars.size(); ++i) {
        const int x = static_cast<int>(std::lround(i * pitch));
        const int height = bars.at(i) == QLatin1Char('F') ? kPictureHeight : halfHeight;
        p.fillRect(x, kPictureHeight - height, 2, height, Qt::black);
    }
    return image;
}

const char* typeIdentifier(TPostNetBarCodeType type) {
    switch (type) {
        case TPostNetBarCodeType::pnbc5Digit:
            return "pnbc5Digit";
        case TPostNetBarCodeType::pnbc9Digit:
            return "pnbc9Digit";
        case TPostNetBarCodeType::pnbc11Digit:
            break;
    }
    return "pnbc11Digit";
}

}  // namespace

TGPostNetBarCode::TGPostNetBarCode() {
    const int ppi = print::kLayoutPixelsPerInch;
    setBounds(0, 0, static_cast<int>(2.6 * ppi), static_cast<int>(0.125 * ppi));
}

const QImage& TGPostNetBarCode::barcodeBitmap() {
    static const QImage picture = drawBarcodeBitmap();
    return picture;
}

QString TGPostNetBarCode::encodedDigits() const {
    return postal::PostNetEncodedDigits(record_.postalCode, record_.address, barCodeType_)
        .value_or(QString());
}

QString TGPostNetBarCode::bars() const {
    const QString digits = encodedDigits();
    return digits.isEmpty() ? QString() : postal::PostNetBars(digits);
}

void TGPostNetBarCode::refreshData() {
    record_.read(*this, zipCodeField_, addressField_);
    repaint();
}

void TGPostNetBarCode::clearData() {
    record_.clear();
}

void TGPostNetBarCode::printTo(print::PageCanvas& page, print::Inches top, print::Inches left) {
    using print::Inches;
    const QString sequence = bars();
    if (sequence.isEmpty()) return;
    page.setBrush(Qt::black);
    page.setDevicePixelPen(Qt::black);
    const print::InchRect box = inchRect(top, left);
    const Inches bottom = box.top + Inches(postal::kPostNetFullBarHeight);
    Inches x = box.left;
    std::vector<print::InchRect> rects;
    rects.reserve(static_cast<size_t>(sequence.size()));
    for (const QChar bar : sequence) {
        const double height =
            bar == QLatin1Char('F') ? postal::kPostNetFullBarHeight : postal::kPostNetHalfBarHeight;
        rects.push_back({x, bottom - Inches(height), x + Inches(postal::kPostNetBarWidth), bottom});
        x += Inches(postal::kPostNetBarPitch);
    }
    page.fillRects(rects);
}

void TGPostNetBarCode::paint(QPainter& painter) {
    const QImage& picture = barcodeBitmap();
    QSize size = picture.size();
    if (zoom() != 1.0f)
        size = QSize(roundHalfEven(size.width() * zoom()), roundHalfEven(size.height() * zoom()));
    if (bounds().size() != size) setBounds(QRect(bounds().topLeft(), size));
    painter.drawImage(QRect(QPoint(0, 0), size), picture);
}

void TGPostNetBarCode::writeProperties(PropertyWriter& out) const {
    TGGraphicControl::writeProperties(out);
    out.text("ZipCodeField", zipCodeField_);
    out.text("AddressField", addressField_);
    out.enumeration("BarCodeType", typeIdentifier(barCodeType_));
}

bool TGPostNetBarCode::readProperty(const QByteArray& name, const StreamValue& value) {
    if (name == "ZipCodeField") {
        if (const auto t = read::text(value)) zipCodeField_ = *t;
    } else if (name == "AddressField") {
        if (const auto t = read::text(value)) addressField_ = *t;
    } else if (name == "BarCodeType") {
        read::enumeration(value, {"pnbc5Digit", "pnbc9Digit", "pnbc11Digit"}, barCodeType_);
    } else {
        return TGGraphicControl::readProperty(name, value);
    }
    return true;
}

}  // namespace pc::design
