#include "import/ui/match_window.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

#include "data/t_field.h"
#include "data/t_table.h"
#include "import/ascii_columns.h"
#include "import/ascii_line_splitter.h"
#include "import/dbf_import.h"
#include "import/import_destination.h"
#include "widgets/help_contexts.h"
#include "widgets/help_link.h"

namespace pc::import {

namespace {
constexpr int kSourceRecordsShown = 100;
}

MatchWindow::MatchWindow(const QString& caption, const QString& sampleCaption,
                         const QString& fileName, int helpContext, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(caption);
    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(sampleCaption, this));
    SampleGrid = new QTableWidget(this);
    SampleGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    left->addWidget(SampleGrid);
    layout->addLayout(left, 3);
    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel(QStringLiteral("Field Match"), this));
    MatchGrid = new FieldMatchGrid(fileName, this);
    right->addWidget(MatchGrid);
    auto* rowButtons = new QHBoxLayout;
    SelectFieldButton = new QPushButton(QStringLiteral("&Select Field"), this);
    ClearCurrentButton = new QPushButton(QStringLiteral("&Clear Current"), this);
    ClearAllButton = new QPushButton(QStringLiteral("Clear &All"), this);
    rowButtons->addWidget(SelectFieldButton);
    rowButtons->addWidget(ClearCurrentButton);
    rowButtons->addWidget(ClearAllButton);
    right->addLayout(rowButtons);
    auto* okRow = new QHBoxLayout;
    OkButton = new QPushButton(QStringLiteral("Ok"), this);
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    HelpButton = new QPushButton(QStringLiteral("Help"), this);
    okRow->addStretch();
    okRow->addWidget(OkButton);
    okRow->addWidget(CancelButton);
    okRow->addWidget(HelpButton);
    right->addLayout(okRow);
    layout->addLayout(right, 2);
    connect(SelectFieldButton, &QPushButton::clicked, MatchGrid, &FieldMatchGrid::SelectFieldClick);
    connect(ClearCurrentButton, &QPushButton::clicked, this,
            [this] { MatchGrid->pair(MatchGrid->currentRow(), {}); });
    connect(ClearAllButton, &QPushButton::clicked, MatchGrid, &FieldMatchGrid::clearAll);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpButton, &QPushButton::clicked, this,
            [helpContext] { pc::widgets::showHelp(helpContext); });
    resize(900, 480);
}

TAsciiMatch::TAsciiMatch(const AsciiColumnTable& columns, const pc::data::TTable& destination,
                         const QString& fileName, bool showPairing, QWidget* parent)
    : MatchWindow(QStringLiteral("ASCII File Import Match Fields"),
                  QStringLiteral("Sample ASCII Fields"), fileName, widgets::help::kImportAscii,
                  parent) {
    const int n = static_cast<int>(columns.columns.size());
    QStringList names;
    for (const AsciiColumn& c : columns.columns) names << c.displayName;
    SampleGrid->setColumnCount(n);
    SampleGrid->setHorizontalHeaderLabels(names);
    SampleGrid->setRowCount(static_cast<int>(columns.sampleLines.size()));
    for (int r = 0; r < SampleGrid->rowCount(); ++r)
        for (int c = 0; c < n && c < columns.sampleLines[r].size(); ++c)
            SampleGrid->setItem(r, c, new QTableWidgetItem(cleanValue(columns.sampleLines[r][c])));
    const QFontMetrics fm(SampleGrid->font());
    const int screenDpi = screen() ? static_cast<int>(screen()->logicalDotsPerInch()) : 96;
    for (int c = 0; c < n; ++c) {
        const int wide = fm.horizontalAdvance(u'W') * columns.columns[c].greatestRawLength;
        SampleGrid->setColumnWidth(
            c, std::clamp(wide, fm.horizontalAdvance(QStringLiteral("Field 12")), 2 * screenDpi));
    }
    QStringList labels, paired;
    for (const pc::data::TField* f : textDestinationFields(destination)) {
        labels << f->displayLabel();
        paired << (showPairing ? columns.MatchedFieldName(f->displayLabel()) : QString());
    }
    MatchGrid->setRows(labels, paired);
    MatchGrid->setChoices([names](int) { return names; });
}

void TAsciiMatch::takePairing(AsciiColumnTable& columns) const {
    for (AsciiColumn& c : columns.columns) {
        c.matchedField.clear();
        for (int r = 0; r < MatchGrid->rowCount(); ++r)
            if (MatchGrid->paired(r) == c.displayName) c.matchedField = MatchGrid->rowLabel(r);
    }
}

TDBFMatch::TDBFMatch(pc::data::TTable& source, const pc::data::TTable& destination,
                     const std::vector<int>& pairing, const QString& fileName, QWidget* parent)
    : MatchWindow(QStringLiteral("DBF File Import Match Fields"), fileName, fileName,
                  widgets::help::kImportDbf, parent),
      source_(source),
      destination_(destination) {
    QStringList names;
    for (int s = 0; s < source.fieldCount(); ++s) names << source.field(s).name();
    SampleGrid->setColumnCount(static_cast<int>(names.size()));
    SampleGrid->setHorizontalHeaderLabels(names);
    int row = 0;
    for (source.first(); !source.eof() && source.hasCurrentRecord() && row < kSourceRecordsShown;
         ++row) {
        SampleGrid->setRowCount(row + 1);
        for (int s = 0; s < source.fieldCount(); ++s)
            SampleGrid->setItem(row, s, new QTableWidgetItem(source.field(s).text()));
        const int at = source.recNo();
        source.next();
        if (source.recNo() == at) break;
    }
    QStringList labels, paired;
    for (const pc::data::TField* f : dbfMatchRows(destination)) {
        int d = 0;
        while (&destination.field(d) != f) ++d;
        rowFields_.push_back(d);
        labels << f->displayLabel();
        QString holder;
        for (int s = 0; s < static_cast<int>(pairing.size()); ++s)
            if (pairing[s] == d) holder = source.field(s).name();
        paired << holder;
    }
    MatchGrid->setRows(labels, paired);
    MatchGrid->setChoices([this](int r) {
        QStringList suitable;
        const pc::data::TField& to = destination_.field(rowFields_[r]);
        for (int s = 0; s < source_.fieldCount(); ++s)
            if (pairableKind(source_.field(s)) && kindSuits(source_.field(s), to))
                suitable << source_.field(s).name();
        return suitable;
    });
}

std::vector<int> TDBFMatch::pairing() const {
    std::vector<int> result(source_.fieldCount(), kNotPaired);
    for (int r = 0; r < MatchGrid->rowCount(); ++r) {
        const QString name = MatchGrid->paired(r);
        for (int s = 0; s < source_.fieldCount() && !name.isEmpty(); ++s)
            if (source_.field(s).name() == name) result[s] = rowFields_[r];
    }
    return result;
}

}  // namespace pc::import
