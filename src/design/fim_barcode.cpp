#include "design/fim_barcode.h"

#include <QPainter>
#include <array>

#include "design/property_writer.h"
#include "print/page_canvas.h"

namespace pc::design {
namespace {

using postal::TFIMBarCodeType;

constexpr std::array<const char*, 5> kTypeIdentifiers = {"fimTypeA", "fimTypeB", "fimTypeC",
                                                         "fimTypeD", "fimTypeE"};

}  // namespace

TGFIMBarCode::TGFIMBarCode() {
    const int ppi = print::kLayoutPixelsPerInch;
    setBounds(0, 0, static_cast<int>(postal::kFimFieldSide * ppi),
              static_cast<int>(postal::kFimBarHeight * ppi));
}

void TGFIMBarCode::SetFIMType(TFIMBarCodeType type) {
    if (type == fimType_) return;
    fimType_ = type;
    repaint();
}

QString TGFIMBarCode::menuCaption(TFIMBarCodeType type) {
    return QStringLiteral("Set FIM to Type ") + QChar(u'A' + static_cast<int>(type));
}

void TGFIMBarCode::menuChooseType(TFIMBarCodeType type) {
    notifyChanged();
    SetFIMType(type);
}

void TGFIMBarCode::printTo(print::PageCanvas& page, print::Inches top, print::Inches left) {
    using print::Inches;
    page.setBrush(Qt::black);
    const print::InchRect box = inchRect(top, left);
    std::vector<print::InchRect> rects;
    for (const int column : postal::FimBarColumns(fimType_)) {
        const Inches x = box.left + Inches((column - 1) * postal::kFimColumnWidth);
        rects.push_back({x, box.top, x + Inches(postal::kFimColumnWidth),
                         box.top + Inches(postal::kFimBarHeight)});
    }
    page.fillRects(rects);
}

void TGFIMBarCode::paint(QPainter& painter) {
    const double pixelsPerInch = print::kLayoutPixelsPerInch * static_cast<double>(zoom());
    const int side = static_cast<int>(postal::kFimFieldSide * pixelsPerInch);
    if (bounds().size() != QSize(side, side))
        setBounds(QRect(bounds().topLeft(), QSize(side, side)));
    const int w = static_cast<int>(pixelsPerInch * postal::kFimColumnWidth);
    const int h = static_cast<int>(postal::kFimBarHeight * pixelsPerInch);
    for (const int column : postal::FimBarColumns(fimType_))
        painter.fillRect((column - 1) * w, 0, w, h, Qt::black);
}

void TGFIMBarCode::writeProperties(PropertyWriter& out) const {
    TGGraphicControl::writeProperties(out);
    const auto i = static_cast<std::size_t>(fimType_);
    if (i < kTypeIdentifiers.size()) out.enumeration("FIMType", kTypeIdentifiers[i]);
}

bool TGFIMBarCode::readProperty(const QByteArray& name, const StreamValue& value) {
    if (name != "FIMType") return TGGraphicControl::readProperty(name, value);
    read::enumeration(value, {"fimTypeA", "fimTypeB", "fimTypeC", "fimTypeD", "fimTypeE"},
                      fimType_);
    return true;
}

}  // namespace pc::design
