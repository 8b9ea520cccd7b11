#include "reports/ui/report_tools.h"

#include "design/data_label.h"
#include "design/symbol_label.h"
#include "design/text_label.h"
#include "design/ui/select_field_dialog.h"
#include "design/ui/single_line_dialogs.h"

namespace pc::reports {

using design::TGGraphicControl;
using design::TReportPanel;
using design::TRPanelState;

design::ReportToolsPlaced reportToolsPlaced(QWidget* parent) {
    design::ReportToolsPlaced placed;
    const auto at = [&placed](TRPanelState s) -> design::ReportToolPlaced& {
        return placed[static_cast<size_t>(s)];
    };
    at(TRPanelState::psLabel) = [parent](TReportPanel&, TGGraphicControl& o) {
        auto& label = static_cast<design::TGPLabel&>(o);
        design::ui::editLabelText(label, parent);
        label.fitToText();
    };
    at(TRPanelState::psDataLabel) = [parent](TReportPanel& panel, TGGraphicControl& o) {
        auto& label = static_cast<design::TGPDLabel&>(o);
        design::ui::chooseDataField(label, parent);
        panel.refreshAllData();
        label.fitToText();
    };
    at(TRPanelState::psSymbolLabel) = [parent](TReportPanel&, TGGraphicControl& o) {
        auto& symbol = static_cast<design::TGSymbolLabel&>(o);
        design::ui::selectSymbol(symbol, parent);
        symbol.fitToText();
    };
    return placed;
}

}  // namespace pc::reports
