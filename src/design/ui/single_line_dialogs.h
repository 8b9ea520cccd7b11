#pragma once
// The popup-menu commands of single-line text objects that open a dialog:
// each runs it modally over the object and applies it on OK. True when the
// object changed.
class QWidget;

namespace pc::design {
class TGBaseLabel;
class TGCounterLabel;
class TGPDLabel;
class TGPLabel;
class TGSymbolLabel;
}  // namespace pc::design

namespace pc::design::ui {

bool editLabelText(TGPLabel& label, QWidget* parent = nullptr);                // "Text"
bool editCounterSettings(TGCounterLabel& counter, QWidget* parent = nullptr);  // "Counter Settings"
bool selectSymbol(TGSymbolLabel& symbol, QWidget* parent = nullptr);           // "Symbol Selector"
bool edit3DEffects(TGBaseLabel& label, QWidget* parent = nullptr);             // "3D Effects"
// "Font": the platform font dialog on the object's font; upright text is
// then fitted to it.
bool chooseLabelFont(TGBaseLabel& label, QWidget* parent = nullptr);
// "Background Color": the platform colour dialog; OK also ends transparency.
bool chooseBackgroundColor(TGBaseLabel& label, QWidget* parent = nullptr);
// "Field" is chooseDataField (select_field_dialog.h).

}  // namespace pc::design::ui
