#include "postal/ui/state_zip_check_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "data/data_error.h"
#include "data/system_tables.h"
#include "data/t_apollo.h"
#include "postal/ui/record_rows_model.h"
#include "records/record_tagging.h"
#include "text/message_service.h"
#include "widgets/help_contexts.h"
#include "widgets/help_link.h"

namespace pc::postal {
namespace {

const QString kEditStates = QStringLiteral("Edit State/Province File");

QLabel* wrapped(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

QPushButton* button(const QString& text, const char* name, QWidget* parent, QBoxLayout* row) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    row->addWidget(b);
    return b;
}

QTableView* grid(QAbstractItemModel* model, QWidget* parent) {
    auto* view = new QTableView(parent);
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::AnyKeyPressed);
    view->horizontalHeader()->setStretchLastSection(true);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    return view;
}

// First, prior, next and last over a grid.
QWidget* navigator(QTableView* view, QWidget* parent) {
    auto* bar = new QWidget(parent);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    auto move = [view](int to) {
        const int rows = view->model()->rowCount();
        if (rows == 0) return;
        int current = view->currentIndex().isValid() ? view->currentIndex().row() : 0;
        int target = to == -2 ? 0 : to == 2 ? rows - 1 : std::clamp(current + to, 0, rows - 1);
        view->setCurrentIndex(
            view->model()->index(target, std::max(0, view->currentIndex().column())));
    };
    for (auto [text, to] : {std::pair{"|<", -2}, {"<", -1}, {">", 1}, {">|", 2}}) {
        auto* b = new QPushButton(QString::fromLatin1(text), bar);
        b->setMaximumWidth(40);
        QObject::connect(b, &QPushButton::clicked, bar, [move, to = to] { move(to); });
        row->addWidget(b);
    }
    row->addStretch(1);
    return bar;
}

}  // namespace

TStateZipCheck::TStateZipCheck(data::TTable& addresses, data::TApollo& engine,
                               std::function<QString()> tagId, QWidget* parent)
    : QDialog(parent),
      addresses_(addresses),
      engine_(engine),
      tagId_(std::move(tagId)),
      check_(addresses, engine) {
    setWindowTitle(QStringLiteral("Check State and Zip  Codes"));
    setObjectName(QStringLiteral("TStateZipCheck"));
    resize(760, 520);
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(
        QStringLiteral("Check For State/Province  & Zipcode/Postal Code Anomolies"), this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    layout->addWidget(title);

    setupPanel_ = new QWidget(this);
    auto* setup = new QVBoxLayout(setupPanel_);
    setup->addWidget(wrapped(
        QStringLiteral("A check will be performed by comparing the records in the file against the "
                       "State/Province file, which contains a list of State/Zip Province/Postcode "
                       "combinations. This file may be edited or added to by clicking the 'Edit "
                       "State/Province File' button below."),
        setupPanel_));
    blanks_ = new QCheckBox(
        QStringLiteral("Include records with blank State/Province or Zip/Postcode entries?"),
        setupPanel_);
    setup->addWidget(blanks_);
    auto* checkRow = new QHBoxLayout;
    auto* checkNow =
        button(QStringLiteral("Perform Check Now"), "CheckitButton", setupPanel_, checkRow);
    checkRow->addStretch(1);
    setup->addLayout(checkRow);
    setup->addStretch(1);
    layout->addWidget(setupPanel_, 1);
    connect(checkNow, &QPushButton::clicked, this, &TStateZipCheck::CheckitButtonClick);

    results_ = new RecordRowsModel(
        addresses_, {"LNAME", "FNAME", "ORG", "STREET", "CITY", "STATE", "ZIP", "COUNTRY"}, {},
        tagId_, this);
    resultPanel_ = new QWidget(this);
    auto* result = new QVBoxLayout(resultPanel_);
    result->addWidget(
        wrapped(QStringLiteral(
                    "These records have questionable state/zip or province/postcode combinations. "
                    "You may edit the contents to make changes. When you are done, press the "
                    "Close button."),
                resultPanel_));
    result->addWidget(new QLabel(QStringLiteral("Click on field to begin editing"), resultPanel_));
    resultGrid_ = grid(results_, resultPanel_);
    resultGrid_->setObjectName(QStringLiteral("ResultGrid"));
    result->addWidget(resultGrid_, 1);
    auto* resultButtons = new QHBoxLayout;
    resultButtons->addWidget(navigator(resultGrid_, resultPanel_));
    auto* edit = button(QStringLiteral("&Edit"), "EditButton", resultPanel_, resultButtons);
    auto* tag = button(QStringLiteral("&Tag"), "TagButton", resultPanel_, resultButtons);
    auto* tagAll = button(QStringLiteral("Tag &All"), "TagAllButton", resultPanel_, resultButtons);
    result->addLayout(resultButtons);
    resultPanel_->hide();
    layout->addWidget(resultPanel_, 1);
    connect(edit, &QPushButton::clicked, this, [this] {
        if (resultGrid_->currentIndex().isValid()) resultGrid_->edit(resultGrid_->currentIndex());
    });
    connect(tag, &QPushButton::clicked, this, &TStateZipCheck::TagButtonClick);
    connect(tagAll, &QPushButton::clicked, this, &TStateZipCheck::TagAllButtonClick);
    connect(resultGrid_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.column() == 0) TagButtonClick();
    });

    states_ = new RecordRowsModel(
        csz_, {"NAME", "STATE", "LOW_ZIP", "HIGH_ZIP"},
        {"State or Province", "Abbreviation", "Starting Zip/Post", "Ending Zip/Post"}, {}, this);
    statePanel_ = new QWidget(this);
    auto* state = new QVBoxLayout(statePanel_);
    state->addWidget(new QLabel(
        QStringLiteral("Make changes to the State/Province file to best reflect your country"),
        statePanel_));
    state->addWidget(new QLabel(QStringLiteral("Click on field to begin editing"), statePanel_));
    stateGrid_ = grid(states_, statePanel_);
    stateGrid_->setObjectName(QStringLiteral("StateGrid"));
    state->addWidget(stateGrid_, 1);
    auto* stateButtons = new QHBoxLayout;
    stateButtons->addWidget(navigator(stateGrid_, statePanel_));
    auto* add = button(QStringLiteral("Add"), "AddButton", statePanel_, stateButtons);
    auto* remove = button(QStringLiteral("Delete"), "DeleteButton", statePanel_, stateButtons);
    state->addLayout(stateButtons);
    statePanel_->hide();
    layout->addWidget(statePanel_, 1);
    connect(add, &QPushButton::clicked, this, &TStateZipCheck::AddButtonClick);
    connect(remove, &QPushButton::clicked, this, &TStateZipCheck::DeleteButtonClick);

    gauge_ = new QProgressBar(this);
    gauge_->setRange(0, 100);
    gauge_->hide();
    layout->addWidget(gauge_);
    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("CountLabel"));
    layout->addWidget(count_);

    auto* bottom = new QHBoxLayout;
    editStates_ = button(kEditStates, "EditStateProvButton", this, bottom);
    bottom->addStretch(1);
    help_ = button(QStringLiteral("Help"), "HelpButton", this, bottom);
    cancel_ = button(QStringLiteral("Cancel"), "CancelButton", this, bottom);
    close_ = button(QStringLiteral("Close"), "Returnbutton", this, bottom);
    cancel_->hide();
    layout->addLayout(bottom);
    connect(help_, &QPushButton::clicked, this,
            [] { widgets::showHelp(widgets::help::kStateZipCheck); });
    connect(editStates_, &QPushButton::clicked, this, &TStateZipCheck::EditStateProvButtonClick);
    connect(cancel_, &QPushButton::clicked, this, &TStateZipCheck::CancelButtonClick);
    connect(close_, &QPushButton::clicked, this, &TStateZipCheck::ReturnbuttonClick);
}

TStateZipCheck::~TStateZipCheck() {
    finishClose();
}

void TStateZipCheck::setIncludeBlanks(bool on) {
    blanks_->setChecked(on);
}

QString TStateZipCheck::countText() const {
    return count_->text();
}

void TStateZipCheck::showIdle() {
    gauge_->hide();
    cancel_->hide();
    editStates_->show();
    help_->show();
    close_->show();
    running_ = false;
}

void TStateZipCheck::CheckitButtonClick() {
    help_->hide();
    close_->hide();
    setupPanel_->hide();
    editStates_->hide();
    cancel_->show();
    running_ = true;
    stop_ = false;
    const bool blanks = blanks_->isChecked();

    StateRanges ranges;
    if (!data::openSystemTable(QStringLiteral("CSZ.DBF"), csz_)) {
        setupPanel_->show();
        showIdle();
        return;
    }
    {
        data::TApollo stateEngine(&csz_);
        QString error;
        const bool loaded = ranges.load(csz_, stateEngine, &error);
        csz_.close();
        if (!loaded) {
            text::messages().inform(error);
            setupPanel_->show();
            showIdle();
            return;
        }
    }
    gauge_->setValue(0);
    gauge_->show();
    QElapsedTimer sinceEvents;
    sinceEvents.start();
    const bool made = check_.run(ranges, blanks, [&](int, int done, int total, int found) {
        const int percent = total > 0 ? static_cast<int>(qint64(done) * 100 / total) : 0;
        if (percent > 0 && percent < 100) gauge_->setValue(percent);
        if (sinceEvents.elapsed() >= 50) {
            count_->setText(
                QStringLiteral("Found %1 records with questionable state or zipcodes").arg(found));
            QCoreApplication::processEvents();
            sinceEvents.restart();
        }
        return !stop_;
    });
    count_->setText(QStringLiteral("Found %1 records with questionable state or zipcodes")
                        .arg(check_.records().size()));
    if (!made) {
        text::messages().inform(check_.error());
        setupPanel_->show();
        showIdle();
        return;
    }
    // Only the questionable records, by last and first name.
    engine_.setOrder(check_.order());
    results_->readAllRecords();
    resultPanel_->show();
    if (results_->rowCount() > 0) resultGrid_->setCurrentIndex(results_->index(0, 1));
    checked_ = true;
    showIdle();
}

void TStateZipCheck::CancelButtonClick() {
    if (running_ &&
        text::messages().ask(QStringLiteral("Cancel operation?"), QStringLiteral("CANCEL")))
        stop_ = true;
}

void TStateZipCheck::ReturnbuttonClick() {
    if (!running_) close();
}

void TStateZipCheck::reject() {
    if (running_) {
        CancelButtonClick();
        return;
    }
    QDialog::reject();
}

void TStateZipCheck::closeEvent(QCloseEvent* event) {
    if (running_) {
        event->ignore();
        return;
    }
    finishClose();
    QDialog::closeEvent(event);
}

void TStateZipCheck::finishClose() {
    if (editingStates_) EndEditStatePRov();
    if (check_.order() != 0) {
        engine_.setOrder(0);
        check_.removeIndex();
    }
}

void TStateZipCheck::TagButtonClick() {
    const int row = resultGrid_->currentIndex().row();
    if (!results_->goToRow(row)) return;
    try {
        records::toggleTag(addresses_, tagId_ ? tagId_() : QString());
    } catch (const data::DataError& e) {
        text::messages().inform(e.message());
    }
    results_->refreshRow(row);
}

void TStateZipCheck::TagAllButtonClick() {
    if (!text::messages().ask(
            QStringLiteral("Tag all records with questionable state or zipcodes?"),
            QStringLiteral("TAG ALL")))
        return;
    const QString id = tagId_ ? tagId_() : QString();
    try {
        for (int row = 0; row < results_->rowCount(); ++row) {
            if (results_->tagged(row) || !results_->goToRow(row)) continue;
            records::toggleTag(addresses_, id);
        }
    } catch (const data::DataError& e) {
        text::messages().inform(e.message());
    }
    results_->refreshAll();
}

void TStateZipCheck::EditStateProvButtonClick() {
    if (editStates_->text() == kEditStates)
        StartEditStatePRov();
    else
        EndEditStatePRov();
}

void TStateZipCheck::StartEditStatePRov() {
    csz_.setOrderTagName(QStringLiteral("STATE"));
    if (!data::openSystemTable(QStringLiteral("CSZ.DBF"), csz_)) return;
    editingStates_ = true;
    (checked_ ? resultPanel_ : setupPanel_)->hide();
    cancel_->setEnabled(false);
    editStates_->setText(QStringLiteral("Stop Editing"));
    states_->readAllRecords();
    stateGrid_->resizeColumnsToContents();
    statePanel_->show();
}

void TStateZipCheck::EndEditStatePRov() {
    try {
        csz_.checkBrowseMode();
    } catch (const data::DataError& e) {
        text::messages().inform(e.message());
    }
    csz_.close();
    states_->setRecords({});
    editingStates_ = false;
    statePanel_->hide();
    editStates_->setText(kEditStates);
    cancel_->setEnabled(true);
    (checked_ ? resultPanel_ : setupPanel_)->show();
}

void TStateZipCheck::AddButtonClick() {
    if (!editingStates_) return;
    try {
        csz_.insert();
        csz_.post();
    } catch (const data::DataError& e) {
        text::messages().inform(e.message());
        return;
    }
    const int recno = csz_.recNo();
    QList<int> rows = states_->records();
    rows << recno;
    states_->setRecords(rows);
    stateGrid_->setCurrentIndex(states_->index(static_cast<int>(rows.size()) - 1, 0));
    stateGrid_->edit(stateGrid_->currentIndex());
}

void TStateZipCheck::DeleteButtonClick() {
    if (!editingStates_) return;
    const int row = stateGrid_->currentIndex().row();
    if (!states_->goToRow(row)) return;
    try {
        csz_.deleteRecord();
    } catch (const data::DataError& e) {
        text::messages().inform(e.message());
        return;
    }
    QList<int> rows = states_->records();
    rows.removeAt(row);
    states_->setRecords(rows);
}

}  // namespace pc::postal
