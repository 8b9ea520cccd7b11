#include "maintenance/dup_check_dialog.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

#include "data/data_error.h"
#include "data/session.h"
#include "data/temporary_index.h"
#include "maintenance/duplicate_grid_model.h"
#include "text/message_service.h"
#include "text/program_paths.h"
#include "widgets/help_contexts.h"
#include "widgets/help_link.h"

namespace pc::maintenance {
namespace {

QPushButton* button(const QString& text, const char* name) {
    auto* b = new QPushButton(text);
    b->setObjectName(name);
    return b;
}

}  // namespace

TDupCheck::TDupCheck(data::Session& session, QWidget* parent) : QDialog(parent), session_(session) {
    setObjectName("TDupCheck");
    setWindowTitle("Check and Repair Duplicates");
    SetupPanel = new QGroupBox("Duplicate Record Check Setup");
    auto* setup = new QGridLayout(SetupPanel);
    setup->addWidget(new QLabel("What to check:"), 0, 0);
    KindofCheck = new QButtonGroup(this);
    const char* kinds[] = {"&Last + First", "Last + &First Initial", "&Street Address",
                           "Similar &names (typing mistakes)"};
    for (int k = 0; k < 4; ++k) {
        auto* r = new QRadioButton(kinds[k]);
        r->setObjectName(QString("KindRadio%1").arg(k));
        KindofCheck->addButton(r, k);
        setup->addWidget(r, k + 1, 0);
    }
    KindofCheck->button(0)->setChecked(true);
    CharsLabel = new QLabel("Check how many characters of street address (max 30)");
    CharsSpin = new QSpinBox;
    CharsSpin->setObjectName("CharsSpin");
    CharsSpin->setRange(1, kMaxStreetChars);
    CharsSpin->setValue(kMaxStreetChars);
    setup->addWidget(CharsLabel, 3, 1);
    setup->addWidget(CharsSpin, 3, 2);
    ThresholdLabel = new QLabel("Similarity of name and street (0.50 - 1.00)");
    ThresholdSpin = new QDoubleSpinBox;
    ThresholdSpin->setObjectName("ThresholdSpin");
    ThresholdSpin->setRange(0.5, 1.0);
    ThresholdSpin->setSingleStep(0.01);
    ThresholdSpin->setValue(kDefaultSimilarity);
    setup->addWidget(ThresholdLabel, 4, 1);
    setup->addWidget(ThresholdSpin, 4, 2);

    CountLabel = new QLabel;
    CountLabel->setObjectName("CountLabel");
    Gauge = new QProgressBar;
    Gauge->setObjectName("Gauge");
    Gauge->hide();

    GridPanel = new QWidget;
    auto* gridLayout = new QVBoxLayout(GridPanel);
    gridLayout->setContentsMargins(0, 0, 0, 0);
    gridLayout->addWidget(new QLabel("Click on field to begin editing"));
    Grid = new QTableView;
    Grid->setObjectName("Grid");
    Grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    Grid->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid->setMinimumSize(640, 260);
    gridLayout->addWidget(Grid);
    auto* gridButtons = new QHBoxLayout;
    const auto navigate = [this](int to) {
        if (!model_ || model_->rowCount() == 0) return;
        Grid->selectRow(std::clamp(to, 0, model_->rowCount() - 1));
    };
    auto* first = button("|<", "FirstButton");
    auto* prior = button("<", "PriorButton");
    auto* next = button(">", "NextButton");
    auto* last = button(">|", "LastButton");
    connect(first, &QPushButton::clicked, this, [navigate] { navigate(0); });
    connect(prior, &QPushButton::clicked, this, [this, navigate] { navigate(currentRow() - 1); });
    connect(next, &QPushButton::clicked, this, [this, navigate] { navigate(currentRow() + 1); });
    connect(last, &QPushButton::clicked, this, [navigate] { navigate(INT_MAX); });
    SaveButton = button("S&ave", "SaveButton");
    UndoButton = button("&Undo", "UndoButton");
    DeleteButton = button("&Delete", "DeleteButton");
    TagButton = button("&Tag", "TagButton");
    TagAllButton = button("Tag &All", "TagAllButton");
    for (QPushButton* b :
         {first, prior, next, last, SaveButton, UndoButton, DeleteButton, TagButton, TagAllButton})
        gridButtons->addWidget(b);
    gridButtons->addStretch();
    gridLayout->addLayout(gridButtons);
    GridPanel->hide();

    CheckitButton = button("&Perform Duplicate Check Now", "CheckitButton");
    CheckitButton->setDefault(true);
    CancelButton = button("Cancel", "CancelButton");
    CancelButton->hide();
    HelpButton = button("Help", "HelpButton");
    ReturnButton = button("Ok", "ReturnButton");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(CountLabel, 1);
    buttons->addWidget(CheckitButton);
    buttons->addWidget(CancelButton);
    buttons->addWidget(HelpButton);
    buttons->addWidget(ReturnButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SetupPanel);
    layout->addWidget(GridPanel, 1);
    layout->addWidget(Gauge);
    layout->addLayout(buttons);

    connect(KindofCheck, &QButtonGroup::idClicked, this, &TDupCheck::KindofCheckClick);
    connect(CheckitButton, &QPushButton::clicked, this, &TDupCheck::CheckitButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &TDupCheck::CancelButtonClick);
    connect(ReturnButton, &QPushButton::clicked, this, &TDupCheck::ReturnButtonClick);
    connect(HelpButton, &QPushButton::clicked, this,
            [] { widgets::showHelp(widgets::help::kDuplicateCheck); });
    connect(SaveButton, &QPushButton::clicked, this, &TDupCheck::SaveButtonClick);
    connect(UndoButton, &QPushButton::clicked, this, &TDupCheck::UndoButtonClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TDupCheck::DeleteButtonClick);
    connect(TagButton, &QPushButton::clicked, this, &TDupCheck::TagButtonClick);
    connect(TagAllButton, &QPushButton::clicked, this, &TDupCheck::TagAllButtonClick);
    connect(Grid, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        if (model_ && model_->columnFields().value(index.column()) == "Tagged") TagButtonClick();
    });
    KindofCheckClick();
}

TDupCheck::~TDupCheck() {
    // The grid reads through the table; it goes before the index is deleted.
    Grid->setModel(nullptr);
    model_.reset();
    index_.reset();
}

QString TDupCheck::indexPath() const {
    return text::homeDir() + QLatin1String(kDuplicateIndexName);
}

DuplicateKind TDupCheck::kind() const {
    return static_cast<DuplicateKind>(KindofCheck->checkedId());
}

void TDupCheck::KindofCheckClick() {
    CharsLabel->setVisible(kind() == DuplicateKind::Street);
    CharsSpin->setVisible(kind() == DuplicateKind::Street);
    ThresholdLabel->setVisible(kind() == DuplicateKind::SimilarNames);
    ThresholdSpin->setVisible(kind() == DuplicateKind::SimilarNames);
}

int TDupCheck::currentRow() const {
    return Grid->currentIndex().isValid() ? Grid->currentIndex().row() : 0;
}

void TDupCheck::CheckitButtonClick() {
    running_ = true;
    stopRequested_ = false;
    SetupPanel->hide();
    HelpButton->hide();
    ReturnButton->hide();
    CheckitButton->hide();
    CancelButton->show();
    Gauge->setValue(0);
    Gauge->show();
    DuplicateCheckOptions options;
    options.kind = kind();
    options.streetChars = CharsSpin->value();
    options.threshold = ThresholdSpin->value();
    try {
        result_ =
            checkDuplicates(session_.table(), options, text::throttled([this](int done, int total) {
                                Gauge->setValue(text::percentDone(done, total));
                                QCoreApplication::processEvents();
                                return !stopRequested_;
                            }));
    } catch (const data::DataError& e) {
        text::messages().error(e.message(), QStringLiteral("Error"));
    }
    Gauge->hide();
    if (result_.pairs > 0) {
        const QString tagId = session_.tagId();
        model_ = std::make_unique<DuplicateGridModel>(session_.table(), result_.records,
                                                      [tagId] { return tagId; });
        model_->setStreetSecond(options.kind == DuplicateKind::Street);
        Grid->setModel(model_.get());
        Grid->resizeColumnsToContents();
        Grid->selectRow(0);
        GridPanel->show();
    }
    CancelButton->hide();
    HelpButton->show();
    ReturnButton->show();
    CountLabel->setText(duplicatesFoundText(result_.pairs));
    running_ = false;
    checked_ = true;
}

void TDupCheck::CancelButtonClick() {
    if (text::messages().ask(QStringLiteral("Cancel operation?"), QStringLiteral("Cancel")))
        stopRequested_ = true;
}

void TDupCheck::ReturnButtonClick() {
    if (!running_) accept();
}

void TDupCheck::reject() {
    if (running_)
        CancelButtonClick();
    else
        QDialog::reject();
}

void TDupCheck::SaveButtonClick() {
    if (!model_ || !model_->editing()) return;
    try {
        model_->save();
    } catch (const data::DataError& e) {
        text::messages().error(e.message(), QStringLiteral("Error"));
    }
}

void TDupCheck::UndoButtonClick() {
    if (model_) model_->undo();
}

void TDupCheck::DeleteButtonClick() {
    if (!model_ || model_->rowCount() == 0) return;
    if (!text::messages().ask(QStringLiteral("Delete this record?"), QStringLiteral("Confirm")))
        return;
    const int row = currentRow();
    try {
        model_->deleteRow(row);
    } catch (const data::DataError& e) {
        text::messages().error(e.message(), QStringLiteral("Error"));
    }
    if (model_->rowCount() > 0) Grid->selectRow(std::min(row, model_->rowCount() - 1));
}

void TDupCheck::TagButtonClick() {
    if (!model_ || model_->rowCount() == 0) return;
    try {
        model_->toggleTag(currentRow());
    } catch (const data::DataError& e) {
        text::messages().error(e.message(), QStringLiteral("Error"));
    }
}

void TDupCheck::TagAllButtonClick() {
    if (!model_) return;
    if (!text::messages().ask(QStringLiteral("Tag all possible duplicates?"),
                              QStringLiteral("TAG ALL")))
        return;
    try {
        model_->tagAll();
    } catch (const data::DataError& e) {
        text::messages().error(e.message(), QStringLiteral("Error"));
    }
}

}  // namespace pc::maintenance
