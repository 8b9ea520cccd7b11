#include "import/ui/field_match_grid.h"

#include <QCursor>
#include <QHeaderView>
#include <QMenu>
#include <QScrollBar>
#include <algorithm>

namespace pc::import {

FieldMatchGrid::FieldMatchGrid(const QString& fileName, QWidget* parent) : QTableWidget(parent) {
    setColumnCount(2);
    setHorizontalHeaderLabels(
        {QStringLiteral("Postcraft Field"), "Import from Field (in " + fileName + ")"});
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    verticalHeader()->hide();
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(this, &QTableWidget::cellDoubleClicked, this, [this] { SelectFieldClick(); });
}

void FieldMatchGrid::setRows(const QStringList& labels, const QStringList& paired) {
    setRowCount(static_cast<int>(labels.size()));
    for (int r = 0; r < labels.size(); ++r) {
        setItem(r, 0, new QTableWidgetItem(labels[r]));
        setItem(r, 1, new QTableWidgetItem(paired.value(r)));
    }
    if (rowCount() > 0) setCurrentCell(0, 0);
    resizeColumnToContents(0);
    // Wide enough for the second heading, which names the file, within reason.
    const QString heading = horizontalHeaderItem(1) ? horizontalHeaderItem(1)->text() : QString();
    QFont bold = horizontalHeader()->font();  // some styles draw headings bold
    bold.setBold(true);
    const int wanted = columnWidth(0) + QFontMetrics(bold).horizontalAdvance(heading) +
                       verticalScrollBar()->sizeHint().width() + 4 * frameWidth() + 32;
    setMinimumWidth(std::min(wanted, 640));
}

QString FieldMatchGrid::rowLabel(int row) const {
    return item(row, 0) ? item(row, 0)->text() : QString();
}

QString FieldMatchGrid::paired(int row) const {
    return item(row, 1) ? item(row, 1)->text() : QString();
}

void FieldMatchGrid::pair(int row, const QString& name) {
    if (row < 0 || row >= rowCount()) return;
    if (!name.isEmpty())
        for (int r = 0; r < rowCount(); ++r)
            if (paired(r) == name) item(r, 1)->setText({});
    item(row, 1)->setText(name);
}

void FieldMatchGrid::clearAll() {
    for (int r = 0; r < rowCount(); ++r) item(r, 1)->setText({});
}

void FieldMatchGrid::SelectFieldClick() {
    const int row = currentRow();
    if (row < 0) return;
    QMenu menu(this);
    const QString current = paired(row);
    QAction* none = menu.addAction(QStringLiteral("(none)"));
    none->setCheckable(true);
    none->setChecked(current.isEmpty());
    for (const QString& name : choices_ ? choices_(row) : QStringList()) {
        QAction* a = menu.addAction(name);
        a->setCheckable(true);
        a->setChecked(name == current);
    }
    if (QAction* chosen = menu.exec(QCursor::pos()))
        pair(row, chosen == none ? QString() : chosen->text());
}

}  // namespace pc::import
