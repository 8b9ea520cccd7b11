#include "labels/ui/label_tools.h"

#include "design/address_label.h"
#include "design/counter_label.h"
#include "design/data_label.h"
#include "design/image_object.h"
#include "design/label_shapes.h"
#include "design/line_shape.h"
#include "design/memo_label.h"
#include "design/multi_line_label.h"
#include "design/postnet_barcode.h"
#include "design/symbol_label.h"
#include "design/text_label.h"
#include "design/ui/multi_line_text_editor.h"
#include "design/ui/select_field_dialog.h"
#include "design/ui/single_line_dialogs.h"

namespace pc::labels {

using design::LabelTool;
using design::TGGraphicControl;

using design::TLPanelState;

namespace {

template <typename T>
T& as(TGGraphicControl& object) {
    return static_cast<T&>(object);
}

LabelTool shapeTool(design::TGLabelShapes::Shape shape) {
    return {[shape](design::TGDataPanel&) {
                auto made = std::make_unique<design::TGLabelShapes>();
                made->setShape(shape);
                return std::unique_ptr<TGGraphicControl>(std::move(made));
            },
            {}};
}

}  // namespace

design::LabelTools labelTools(QWidget* parent) {
    design::LabelTools tools;
    const auto at = [&tools](TLPanelState s) -> LabelTool& {
        return tools[static_cast<size_t>(s)];
    };
    at(TLPanelState::psLabel) = {[](design::TGDataPanel& panel) {
                                     auto made = std::make_unique<design::TGPLabel>();
                                     made->setCaption(QStringLiteral("<text>"));
                                     made->setFont(panel.font());
                                     return std::unique_ptr<TGGraphicControl>(std::move(made));
                                 },
                                 [parent](design::TGDataPanel&, TGGraphicControl& o) {
                                     design::ui::editLabelText(as<design::TGPLabel>(o), parent);
                                     as<design::TGPLabel>(o).fitToText();
                                 }};
    at(TLPanelState::psCounterLabel) = {
        [](design::TGDataPanel& panel) {
            auto made = std::make_unique<design::TGCounterLabel>();
            made->setStartingNumber(1000);
            made->setFont(panel.font());
            return std::unique_ptr<TGGraphicControl>(std::move(made));
        },
        [](design::TGDataPanel&, TGGraphicControl& o) {
            as<design::TGCounterLabel>(o).fitToText();
        }};
    at(TLPanelState::psSymbolLabel) = {
        [](design::TGDataPanel&) {
            return std::unique_ptr<TGGraphicControl>(std::make_unique<design::TGSymbolLabel>());
        },
        [parent](design::TGDataPanel&, TGGraphicControl& o) {
            design::ui::selectSymbol(as<design::TGSymbolLabel>(o), parent);
        }};
    at(TLPanelState::psDataLabel) = {[](design::TGDataPanel& panel) {
                                         auto made = std::make_unique<design::TGPDLabel>();
                                         made->setDataFieldName(QStringLiteral("<field>"));
                                         made->setFont(panel.font());
                                         return std::unique_ptr<TGGraphicControl>(std::move(made));
                                     },
                                     [parent](design::TGDataPanel& panel, TGGraphicControl& o) {
                                         design::ui::chooseDataField(as<design::TGPDLabel>(o),
                                                                     parent);
                                         panel.refreshAllData();
                                         as<design::TGPDLabel>(o).fitToText();
                                     }};
    at(TLPanelState::psMultiLineLabel) = {
        [](design::TGDataPanel& panel) {
            auto made = std::make_unique<design::TGMultiLineLabel>();
            made->setFont(panel.font());
            return std::unique_ptr<TGGraphicControl>(std::move(made));
        },
        [parent](design::TGDataPanel&, TGGraphicControl& o) {
            design::ui::editMultiLineText(as<design::TGMultiLineLabel>(o), parent);
            as<design::TGMultiLineLabel>(o).autoFit();
        }};
    at(TLPanelState::psMultiLineDataLabel) = {
        [](design::TGDataPanel& panel) {
            auto made = std::make_unique<design::TGDMultiLineLabel>();
            made->setDataFieldName(QStringLiteral("Memo"));
            made->setDataFieldDescript(QStringLiteral("MEMO"));
            made->setFont(panel.font());
            return std::unique_ptr<TGGraphicControl>(std::move(made));
        },
        [](design::TGDataPanel& panel, TGGraphicControl&) { panel.refreshAllData(); }};
    at(TLPanelState::psAddressLabel) = {
        [](design::TGDataPanel& panel) {
            auto made = std::make_unique<design::TGDMultiLineAddressLabel>();
            made->setFont(panel.font());
            return std::unique_ptr<TGGraphicControl>(std::move(made));
        },
        [](design::TGDataPanel& panel, TGGraphicControl& o) {
            panel.refreshAllData();
            as<design::TGDMultiLineAddressLabel>(o).autoFit();
        }};
    using Shape = design::TGLabelShapes::Shape;
    at(TLPanelState::psRectangle) = shapeTool(Shape::stRectangle);
    at(TLPanelState::psEllipse) = shapeTool(Shape::stEllipse);
    at(TLPanelState::psRoundRectangle) = shapeTool(Shape::stRoundRect);
    at(TLPanelState::psLine) = {[](design::TGDataPanel&) {
                                    auto made = std::make_unique<design::TGLineShape>();
                                    made->setLineStyle(design::TGLineShape::LineStyle::stVertical);
                                    return std::unique_ptr<TGGraphicControl>(std::move(made));
                                },
                                {}};
    at(TLPanelState::psImage) = {
        [](design::TGDataPanel&) {
            return std::unique_ptr<TGGraphicControl>(std::make_unique<design::TGImage>());
        },
        {}};
    at(TLPanelState::psPostNetBarCode) = {
        [](design::TGDataPanel&) {
            auto made = std::make_unique<design::TGPostNetBarCode>();
            made->SetZipCodeField(QStringLiteral("ZIP"));
            made->SetAddressField(QStringLiteral("STREET"));
            return std::unique_ptr<TGGraphicControl>(std::move(made));
        },
        [](design::TGDataPanel& panel, TGGraphicControl&) { panel.refreshAllData(); }};
    return tools;
}

}  // namespace pc::labels
