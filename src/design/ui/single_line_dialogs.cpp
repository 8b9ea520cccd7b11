#include "design/ui/single_line_dialogs.h"

#include <QColorDialog>
#include <QFontDialog>

#include "design/counter_label.h"
#include "design/single_line_commands.h"
#include "design/symbol_label.h"
#include "design/text_label.h"
#include "design/ui/counter_dialog.h"
#include "design/ui/effects_dialog.h"
#include "design/ui/symbol_selector_dialog.h"
#include "design/ui/text_dialog.h"

namespace pc::design::ui {

bool editLabelText(TGPLabel& label, QWidget* parent) {
    TTextDialog dialog(label, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool editCounterSettings(TGCounterLabel& counter, QWidget* parent) {
    TCounterDialog dialog(counter, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool selectSymbol(TGSymbolLabel& symbol, QWidget* parent) {
    TSymbolSelectorDialog dialog(symbol, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool edit3DEffects(TGBaseLabel& label, QWidget* parent) {
    TEffectsDialog dialog(label, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool chooseLabelFont(TGBaseLabel& label, QWidget* parent) {
    QFont initial = label.font().toQFont();
    initial.setPointSize(label.font().pointSize());
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, initial, parent);
    if (!ok) return false;
    label.applyFont(FontSpec::fromQFont(chosen, label.font().color));
    label.fitToText();
    label.notifyChanged();
    return true;
}

bool chooseBackgroundColor(TGBaseLabel& label, QWidget* parent) {
    const QColor chosen = QColorDialog::getColor(toQColor(label.backColor()), parent);
    if (!chosen.isValid()) return false;
    applyBackgroundColor(label, fromQColor(chosen));
    return true;
}

}  // namespace pc::design::ui
