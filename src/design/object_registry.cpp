#include "design/object_registry.h"

#include <QFileInfo>
#include <functional>
#include <vector>

#include "design/address_label.h"
#include "design/counter_label.h"
#include "design/data_label.h"
#include "design/date_time_label.h"
#include "design/fim_barcode.h"
#include "design/graphic_object.h"
#include "design/image_object.h"
#include "design/imb_barcode.h"
#include "design/label_shapes.h"
#include "design/line_shape.h"
#include "design/memo_label.h"
#include "design/multi_line_label.h"
#include "design/page_number_label.h"
#include "design/postnet_barcode.h"
#include "design/report_shapes.h"
#include "design/symbol_label.h"
#include "design/text_label.h"

namespace pc::design {
namespace {

using Factory = std::function<std::unique_ptr<TGGraphicControl>()>;

struct Registration {
    const char* className;
    Factory make;
    bool label, envelope, report;
};

template <typename T>
Factory make() {
    return [] { return std::make_unique<T>(); };
}

const std::vector<Registration>& registrations() {
    static const std::vector<Registration> all = {
        // className, factory, label, envelope, report
        {"TGPostNetBarCode", make<TGPostNetBarCode>(), true, true, false},
        {"TGFIMBarCode", make<TGFIMBarCode>(), false, true, false},
        {"TGIMBarCode", make<TGIMBarCode>(), true, true, false},
        {"TGPLabel", make<TGPLabel>(), true, true, true},
        {"TGPDLabel", make<TGPDLabel>(), true, true, true},
        {"TGCounterLabel", make<TGCounterLabel>(), true, false, false},
        {"TGSymbolLabel", make<TGSymbolLabel>(), true, false, true},
        {"TGLineShape", make<TGLineShape>(), true, true, true},
        {"TGImage", make<TGImage>(), true, true, true},
        {"TGLabelShapes", make<TGLabelShapes>(), true, true, false},
        {"TGMultiLineLabel", make<TGMultiLineLabel>(), true, true, false},
        {"TGDMultiLineLabel", make<TGDMultiLineLabel>(), true, false, true},
        {"TGDMultiLineAddressLabel", make<TGDMultiLineAddressLabel>(), true, true, false},
        {"TGDateTimeLabel", make<TGDateTimeLabel>(), false, false, true},
        {"TGPageNumberLabel", make<TGPageNumberLabel>(), false, false, true},
        {"Trpshapes", make<Trpshapes>(), false, false, true},
    };
    return all;
}

bool registeredFor(const Registration& r, LayoutKind kind) {
    switch (kind) {
        case LayoutKind::Label:
            return r.label;
        case LayoutKind::Envelope:
            return r.envelope;
        case LayoutKind::Report:
            return r.report;
    }
    return false;
}

}  // namespace

LayoutKind layoutKindOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toUpper();
    if (suffix == QLatin1String("E")) return LayoutKind::Envelope;
    if (suffix == QLatin1String("R")) return LayoutKind::Report;
    return LayoutKind::Label;
}

std::unique_ptr<TGGraphicControl> createObject(LayoutKind kind, const QByteArray& className) {
    for (const Registration& r : registrations())
        if (registeredFor(r, kind) && className == r.className) return r.make();
    return nullptr;
}

QList<QByteArray> registeredClasses(LayoutKind kind) {
    QList<QByteArray> names;
    for (const Registration& r : registrations())
        if (registeredFor(r, kind)) names << r.className;
    return names;
}

}  // namespace pc::design
