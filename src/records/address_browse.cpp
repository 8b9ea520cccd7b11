#include "records/address_browse.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QVBoxLayout>

#include "data/t_table.h"
#include "records/address_table_model.h"
#include "records/fields_list_file.h"
#include "widgets/help_contexts.h"
#include "widgets/help_link.h"
#include "widgets/window_placement.h"

namespace pc::records {

namespace {

constexpr int kDesignedWidth = 600;
constexpr int kDesignedHeight = 380;

QPushButton* button(const QString& text, const char* name, QHBoxLayout* row) {
    auto* b = new QPushButton(text);
    b->setObjectName(name);
    b->setAutoDefault(false);
    row->addWidget(b);
    return b;
}

}  // namespace

TAddressBrowse::TAddressBrowse(pc::data::TTable* table, std::function<QString()> globalTagId,
                               int startRecord, QWidget* parent)
    : QDialog(parent) {
    setObjectName("TAddressBrowse");
    setWindowTitle("Address Browse");
    setSizeGripEnabled(true);

    model_ = new AddressTableModel(table, std::move(globalTagId), this);
    model_->setFieldOrder(readFieldsList(fieldsListPath(), model_->fieldOrder()));

    grid_ = new QTableView;
    grid_->setObjectName("Grid");
    grid_->setModel(model_);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->horizontalHeader()->setSectionsMovable(true);
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
    // Fixed widths: sizing to contents would read every row.
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->horizontalHeader()->setDefaultSectionSize(110);
    // Columns as wide as their field (or label), within reason.
    const int charWidth = grid_->fontMetrics().averageCharWidth();
    for (int column = 0; column < model_->columnCount(); ++column) {
        const pc::data::TField& field = table->fieldByName(model_->columnFields()[column]);
        const int chars = std::max<int>(field.width(), field.displayLabel().size() + 2);
        grid_->setColumnWidth(column, std::clamp(chars * charWidth + 12, 40, 220));
    }
    connect(grid_, &QTableView::doubleClicked, this, [this] { TagButtonClick(); });

    auto* buttons = new QHBoxLayout;
    OkButton = button("Ok", "OkButton", buttons);
    HelpButton = button("Help", "HelpButton", buttons);
    buttons->addStretch();
    FirstButton = button("|<", "FirstButton", buttons);
    PriorButton = button("<", "PriorButton", buttons);
    NextButton = button(">", "NextButton", buttons);
    LastButton = button(">|", "LastButton", buttons);
    buttons->addStretch();
    TagButton = button("&Tag", "TagButton", buttons);
    FirstButton->setToolTip("First record");
    PriorButton->setToolTip("Previous record");
    NextButton->setToolTip("Next record");
    LastButton->setToolTip("Last record");
    OkButton->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_, 1);
    layout->addLayout(buttons);

    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(HelpButton, &QPushButton::clicked, this,
            [] { pc::widgets::showHelp(pc::widgets::help::kBrowse); });
    connect(FirstButton, &QPushButton::clicked, this, &TAddressBrowse::FirstButtonClick);
    connect(PriorButton, &QPushButton::clicked, this, &TAddressBrowse::PriorButtonClick);
    connect(NextButton, &QPushButton::clicked, this, &TAddressBrowse::NextButtonClick);
    connect(LastButton, &QPushButton::clicked, this, &TAddressBrowse::LastButtonClick);
    connect(TagButton, &QPushButton::clicked, this, &TAddressBrowse::TagButtonClick);

    resize(kDesignedWidth, kDesignedHeight);
    const int start = model_->rowOfRecord(startRecord);
    goToRow(start >= 0 ? start : 0);
}

int TAddressBrowse::currentRecord() const {
    const QModelIndex current = grid_->currentIndex();
    return current.isValid() ? model_->recordAt(current.row()) : 0;
}

void TAddressBrowse::goToRow(int row) {
    if (model_->rowCount() == 0) return;
    row = std::clamp(row, 0, model_->rowCount() - 1);
    const int column = std::max(0, grid_->currentIndex().column());
    grid_->setCurrentIndex(model_->index(row, column));
    grid_->scrollTo(model_->index(row, column));
}

void TAddressBrowse::FirstButtonClick() {
    goToRow(0);
}

void TAddressBrowse::LastButtonClick() {
    goToRow(model_->rowCount() - 1);
}

void TAddressBrowse::PriorButtonClick() {
    const int row = grid_->currentIndex().row();
    if (row <= 0) {
        QApplication::beep();
        return;
    }
    goToRow(row - 1);
}

void TAddressBrowse::NextButtonClick() {
    const int row = grid_->currentIndex().row();
    if (row < 0 || row >= model_->rowCount() - 1) {
        QApplication::beep();
        return;
    }
    goToRow(row + 1);
}

void TAddressBrowse::TagButtonClick() {
    const int row = grid_->currentIndex().row();
    if (row < 0) return;
    if (!model_->toggleTag(row)) {
        QApplication::beep();
        return;
    }
    goToRow(row);
}

QStringList TAddressBrowse::shownColumns() const {
    QStringList shown;
    const QHeaderView* header = grid_->horizontalHeader();
    for (int visual = 0; visual < header->count(); ++visual)
        shown << model_->columnFields().value(header->logicalIndex(visual));
    return shown;
}

void TAddressBrowse::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (placed_) return;
    placed_ = true;
    // Above 96 pixels per inch the designed size grows with the screen.
    const qreal dpi = screen() ? screen()->logicalDotsPerInch() : 96.0;
    if (dpi > 96.0) {
        const qreal factor = dpi / 96.0 * 0.95;
        resize(qRound(width() * factor), qRound(height() * factor));
    }
    pc::widgets::restorePlacement(this, parentWidget());
}

void TAddressBrowse::done(int result) {
    writeFieldsList(fieldsListPath(), model_->orderWithColumns(shownColumns()));
    pc::widgets::savePlacement(this);
    QDialog::done(result);
}

}  // namespace pc::records
