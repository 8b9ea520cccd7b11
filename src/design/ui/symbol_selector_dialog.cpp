#include "design/ui/symbol_selector_dialog.h"

#include <QFontDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "design/property_writer.h"
#include "design/symbol_font_map.h"
#include "design/symbol_label.h"
#include "design/ui/dialog_buttons.h"

namespace pc::design::ui {
namespace {

constexpr int kFirstCode = 32;
constexpr int kCodeCount = 224;

QFont drawnFont(const FontSpec& spec, int pixelSize) {
    QFont font = spec.toQFont();
    if (isSymbolMappedFont(spec.name)) font.setFamily(symbolFontFamily());
    font.setPixelSize(pixelSize);
    return font;
}

QString drawnCharacter(const FontSpec& spec, int code) {
    if (isSymbolMappedFont(spec.name)) {
        const char32_t symbol = symbolForCode(code);
        return QString::fromUcs4(&symbol, 1);
    }
    return fromStreamText(QByteArray(1, static_cast<char>(code)));
}

}  // namespace

QString symbolFontButtonText(const FontSpec& font) {
    QString text =
        font.name + QLatin1Char(' ') + QString::number(font.pointSize()) + QStringLiteral("pt ");
    if (font.bold) text += QStringLiteral("Bold ");
    if (font.italic) text += QStringLiteral("Italic ");
    return text;
}

TSymbolSelectorDialog::TSymbolSelectorDialog(TGSymbolLabel& symbol, QWidget* parent)
    : QDialog(parent), symbol_(symbol), font_(symbol.font()) {
    setWindowTitle(QStringLiteral("Symbol Selector"));
    SymbolGrid = new QTableWidget(this);
    SymbolGrid->horizontalHeader()->hide();
    SymbolGrid->verticalHeader()->hide();
    SymbolGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SymbolGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    FontButton = new QPushButton(this);
    LargeSymbol = new QLabel(this);
    LargeSymbol->setAlignment(Qt::AlignCenter);
    LargeSymbol->setMinimumSize(96, 96);
    LargeSymbol->setFrameShape(QFrame::Box);

    const DialogButtons buttons = makeDialogButtons(this);
    auto* side = new QVBoxLayout;
    side->addWidget(LargeSymbol);
    side->addWidget(FontButton);
    side->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(SymbolGrid, 1);
    top->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons.row);
    resize(600, 420);

    connect(buttons.ok, &QPushButton::clicked, this, &TSymbolSelectorDialog::OkButtonClick);
    connect(FontButton, &QPushButton::clicked, this, &TSymbolSelectorDialog::FontButtonClick);
    connect(SymbolGrid, &QTableWidget::currentCellChanged, this, [this] { showSelected(); });
    connect(SymbolGrid, &QTableWidget::cellDoubleClicked, this,
            &TSymbolSelectorDialog::OkButtonClick);

    fillGrid();
    selectCode(symbol.symbolCode());
}

void TSymbolSelectorDialog::fillGrid() {
    const int selected = SymbolGrid->currentRow() < 0 ? kFirstCode : selectedCode();
    const int columns = symbolSelectorColumns(font_.pointSize());
    const int rows = (kCodeCount + columns - 1) / columns;
    const QFont font = drawnFont(font_, std::clamp(-font_.height, 8, 96));
    SymbolGrid->clear();
    SymbolGrid->setColumnCount(columns);
    SymbolGrid->setRowCount(rows);
    for (int i = 0; i < kCodeCount; ++i) {
        auto* item = new QTableWidgetItem(drawnCharacter(font_, kFirstCode + i));
        item->setFont(font);
        item->setTextAlignment(Qt::AlignCenter);
        SymbolGrid->setItem(i / columns, i % columns, item);
    }
    SymbolGrid->resizeColumnsToContents();
    SymbolGrid->resizeRowsToContents();
    // Wide enough for every column, so only the rows scroll.
    int gridWidth =
        2 * SymbolGrid->frameWidth() + SymbolGrid->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < columns; ++c) gridWidth += SymbolGrid->columnWidth(c);
    SymbolGrid->setMinimumWidth(std::min(gridWidth, 900));
    SymbolGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    FontButton->setText(symbolFontButtonText(font_));
    selectCode(selected);
}

int TSymbolSelectorDialog::selectedCode() const {
    const int columns = SymbolGrid->columnCount();
    const int index = SymbolGrid->currentRow() * columns + SymbolGrid->currentColumn();
    return std::clamp(index, 0, kCodeCount - 1) + kFirstCode;
}

void TSymbolSelectorDialog::selectCode(int code) {
    const int columns = SymbolGrid->columnCount();
    if (columns <= 0) return;
    const int index = std::clamp(code, kFirstCode, kFirstCode + kCodeCount - 1) - kFirstCode;
    SymbolGrid->setCurrentCell(index / columns, index % columns);
    showSelected();
}

void TSymbolSelectorDialog::showSelected() {
    if (SymbolGrid->currentRow() < 0) return;
    LargeSymbol->setFont(drawnFont(font_, 64));
    LargeSymbol->setText(drawnCharacter(font_, selectedCode()));
}

void TSymbolSelectorDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Only a shown list can scroll the chosen character into view.
    if (QTableWidgetItem* item = SymbolGrid->currentItem())
        SymbolGrid->scrollToItem(item, QAbstractItemView::PositionAtCenter);
}

void TSymbolSelectorDialog::useFont(const FontSpec& font) {
    font_ = font;
    fillGrid();
}

void TSymbolSelectorDialog::FontButtonClick() {
    bool ok = false;
    QFont initial = font_.toQFont();
    initial.setPointSize(font_.pointSize());
    const QFont chosen = QFontDialog::getFont(&ok, initial, this);
    if (ok) useFont(FontSpec::fromQFont(chosen, font_.color));
}

void TSymbolSelectorDialog::OkButtonClick() {
    symbol_.setFont(font_);
    symbol_.setSymbolCode(selectedCode());
    symbol_.notifyChanged();
    accept();
}

}  // namespace pc::design::ui
