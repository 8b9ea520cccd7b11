#include "maintenance/rebuild_indexes_dialog.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/index_maintenance.h"
#include "data/t_table.h"
#include "text/progress.h"
#include "widgets/busy_cursor.h"
#include "widgets/help_contexts.h"
#include "widgets/help_link.h"

namespace pc::maintenance {

TRebuildIndexesDialog::TRebuildIndexesDialog(pc::data::TTable* table, QWidget* parent)
    : QDialog(parent), table_(table) {
    build();
    setWindowTitle("Rebuild indexes for " + table->fileName());
    StatusLabel->setText(
        "Reindex removes the deleted records of " + table->fileName() +
        " for good and builds all its sort orders again. This may take a while for a large file.");
}

TRebuildIndexesDialog::TRebuildIndexesDialog(QWidget* parent) : QDialog(parent) {
    build();
    setWindowTitle("Rebuild System Indexes");
    StatusLabel->setText(
        "Reindex builds the indexes of Postcraft's own files in the sysdata folder again.");
}

void TRebuildIndexesDialog::build() {
    setObjectName("TRebuildIndexesDialog");
    StatusLabel = new QLabel;
    StatusLabel->setObjectName("StatusLabel");
    StatusLabel->setMinimumWidth(300);
    StatusLabel->setWordWrap(true);
    Gauge = new QProgressBar;
    Gauge->setObjectName("Gauge");
    Gauge->setRange(0, 100);
    Gauge->setValue(0);
    Gauge->hide();
    ReindexButton = new QPushButton("Reindex");
    ReindexButton->setObjectName("ReindexButton");
    ReindexButton->setDefault(true);
    HelpButton = new QPushButton("Help");
    HelpButton->setObjectName("HelpButton");
    CancelButton = new QPushButton("Cancel");
    CancelButton->setObjectName("CancelButton");

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ReindexButton);
    buttons->addWidget(HelpButton);
    buttons->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(StatusLabel);
    layout->addWidget(Gauge);
    layout->addLayout(buttons);

    connect(ReindexButton, &QPushButton::clicked, this, &TRebuildIndexesDialog::ReindexButtonClick);
    connect(HelpButton, &QPushButton::clicked, this,
            [] { pc::widgets::showHelp(pc::widgets::help::kRebuildIndexes); });
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TRebuildIndexesDialog::setStatus(const QString& text) {
    StatusLabel->setText(text);
    QCoreApplication::processEvents();
}

void TRebuildIndexesDialog::setGauge(int percent) {
    Gauge->setValue(std::clamp(percent, 0, 100));
    QCoreApplication::processEvents();
}

void TRebuildIndexesDialog::ReindexButtonClick() {
    pc::widgets::BusyCursor busy;
    Gauge->setValue(0);
    Gauge->show();
    ReindexButton->setEnabled(false);
    CancelButton->hide();
    HelpButton->hide();
    running_ = true;
    // The bar and its repaint follow the engine a few times a second.
    const pc::text::Progress gauge = pc::text::throttled([this](int done, int total) {
        setGauge(pc::text::percentDone(done, total));
        return true;
    });
    if (table_) {
        pc::data::RebuildProgress progress;
        progress.step = [this](pc::data::RebuildStep step) {
            setGauge(0);
            setStatus(step == pc::data::RebuildStep::Packing ? "Cleaning out old deleted records"
                                                             : "Rebuilding indexes");
        };
        progress.gauge = gauge;
        succeeded_ = pc::data::rebuildAddressIndexes(*table_, progress);
    } else {
        pc::data::SystemRebuildProgress progress;
        progress.status = [this](const QString& text) { setStatus(text); };
        progress.gauge = gauge;
        pc::data::rebuildSystemIndexes(progress);
        succeeded_ = true;
    }
    Gauge->hide();
    running_ = false;
    accept();
}

void TRebuildIndexesDialog::reject() {
    if (!running_) QDialog::reject();
}

}  // namespace pc::maintenance
