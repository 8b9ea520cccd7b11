#include "records/filter_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSizePolicy>
#include <QVBoxLayout>

#include "records/filter_tips_menu.h"
#include "text/message_service.h"
#include "widgets/help_contexts.h"
#include "widgets/help_link.h"

namespace pc::records {

using pc::data::Criterion;
using pc::data::FilterCriteria;

namespace {

constexpr char kDateHint[] =
    "Note: enter dates in the form: YYYYMMDD\n(i.e. 19970428 for April 28, 1997)";
constexpr char kHint[] =
    "Hint: to look for only part of a value, first type in a $ and then the value to look for. "
    "As an example, to find all records containing the code letter C in the Codes field, type in "
    "$C. Right click on any field or press HELP for more helpful tips";

QLabel* caption(const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

// Takes the room of a main-window control the filter has no box for, so
// the columns line up with the main window's.
QWidget* placeholder(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
    widget->hide();
    return widget;
}

}  // namespace

TFilterDialog::TFilterDialog(const FilterCriteria& criteria,
                             std::function<int(const FilterCriteria&)> apply, QWidget* parent)
    : QDialog(parent), apply_(std::move(apply)) {
    setObjectName("TFilterDialog");
    setWindowTitle("Address Filter");
    // A top-level window does not inherit its parent's font.
    if (parent) setFont(parent->font());

    HintLabel = new QLabel(kHint);
    HintLabel->setWordWrap(true);
    TestButton = new QPushButton("Test");
    ClearButton = new QPushButton("Clear");
    OkButton = new QPushButton("Ok");
    OkButton->setDefault(true);
    CancelButton = new QPushButton("Cancel");
    HelpButton = new QPushButton("Help");
    connect(TestButton, &QPushButton::clicked, this, &TFilterDialog::TestButtonClick);
    connect(ClearButton, &QPushButton::clicked, this, &TFilterDialog::ClearButtonClick);
    connect(OkButton, &QPushButton::clicked, this, &TFilterDialog::OkButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpButton, &QPushButton::clicked, this,
            [] { pc::widgets::showHelp(pc::widgets::help::kFilter); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {TestButton, ClearButton, OkButton, CancelButton, HelpButton})
        buttons->addWidget(b);

    // The same panes and columns as the main window, so each box sits where
    // the user knows the field from.
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(createNameBoxes());
    layout->addWidget(createAddressBoxes());
    layout->addWidget(HintLabel);
    layout->addLayout(buttons);

    for (int i = 0; i < pc::data::kCriterionCount; ++i) boxes_[i]->setText(criteria.values[i]);
    TaggedCheck->setChecked(criteria.taggedOnly);
    ReverseCheck->setChecked(criteria.reverse);
    resize(632, sizeHint().height());
}

QLineEdit* TFilterDialog::makeBox(Criterion c) {
    auto* box = new QLineEdit;
    box->setObjectName(pc::data::criterionField(c));
    // The hint promises tips on a right click.
    box->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(box, &QLineEdit::customContextMenuRequested, this, [box](const QPoint& at) {
        QMenu* menu = filterBoxMenu(box);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(box->mapToGlobal(at));
    });
    boxes_[static_cast<int>(c)] = box;
    return box;
}

QWidget* TFilterDialog::createNameBoxes() {
    auto* pane = new QFrame;
    pane->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(pane);
    grid->setContentsMargins(4, 3, 4, 3);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    grid->addWidget(caption("Last", makeBox(Criterion::LastName)), 0, 0);
    grid->addWidget(box(Criterion::LastName), 0, 1);
    grid->addWidget(caption("First", makeBox(Criterion::FirstName)), 0, 2);
    grid->addWidget(box(Criterion::FirstName), 0, 3);
    grid->addWidget(placeholder(new QLabel("MI")), 0, 4);
    auto* middle = new QLineEdit;
    middle->setFixedWidth(28);
    grid->addWidget(placeholder(middle), 0, 5);
    grid->addWidget(placeholder(new QLabel("Prefix")), 1, 0);
    grid->addWidget(caption("Title", makeBox(Criterion::Title)), 1, 2);
    grid->addWidget(box(Criterion::Title), 1, 3, 1, 3);
    grid->addWidget(caption("Org", makeBox(Criterion::Org)), 2, 0);
    grid->addWidget(box(Criterion::Org), 2, 1, 1, 5);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return pane;
}

QWidget* TFilterDialog::createAddressBoxes() {
    auto* page = new QFrame;
    page->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    int row = 0;
    for (auto [text, c] : {std::pair{"Address 1", Criterion::Street1},
                           {"Address 2", Criterion::Street2},
                           {"City", Criterion::City},
                           {"State or Prov", Criterion::State},
                           {"Zip or Postal", Criterion::Zip},
                           {"Country", Criterion::Country},
                           {"Date", Criterion::Date}}) {
        grid->addWidget(caption(text, makeBox(c)), row, 0);
        grid->addWidget(box(c), row, 1);
        ++row;
    }
    // The main window's Date button sets the width of its first column.
    grid->setColumnMinimumWidth(0, QPushButton("Date").sizeHint().width());
    DateNote = new QLabel("(YYYYMMDD)");
    DateNote->hide();
    grid->addWidget(DateNote, row, 1);
    QLineEdit* date = box(Criterion::Date);
    date->setToolTip(kDateHint);
    date->setStatusTip(kDateHint);
    date->installEventFilter(this);
    TaggedCheck = new QCheckBox("Tagged");
    ReverseCheck = new QCheckBox("Reverse");
    auto* checks = new QHBoxLayout;
    checks->addWidget(TaggedCheck);
    checks->addWidget(ReverseCheck);
    checks->addStretch();
    grid->addLayout(checks, row + 1, 1);

    row = 0;
    for (auto [text, c] : {std::pair{"Phone 1", Criterion::Phone1},
                           {"Phone 2", Criterion::Phone2},
                           {"Fax", Criterion::Fax},
                           {"E-mail", Criterion::Email},
                           {"Codes", Criterion::Codes},
                           {"Comment 1", Criterion::Comment1},
                           {"Comment 2", Criterion::Comment2}}) {
        grid->addWidget(caption(text, makeBox(c)), row, 2);
        grid->addWidget(box(c), row, 3);
        ++row;
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return page;
}

bool TFilterDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == box(Criterion::Date)) {
        if (event->type() == QEvent::FocusIn) DateNote->show();
        if (event->type() == QEvent::FocusOut) DateNote->hide();
    }
    return QDialog::eventFilter(watched, event);
}

FilterCriteria TFilterDialog::criteria() const {
    FilterCriteria c;
    for (int i = 0; i < pc::data::kCriterionCount; ++i) c.values[i] = boxes_[i]->text();
    c.taggedOnly = TaggedCheck->isChecked();
    c.reverse = ReverseCheck->isChecked();
    return c;
}

int TFilterDialog::test() {
    const int count = apply_ ? apply_(criteria()) : 0;
    pc::text::messages().inform(count > 0 ? QString::number(count) + " matches"
                                          : QString("No filter set"));
    return count;
}

void TFilterDialog::TestButtonClick() {
    test();
}

void TFilterDialog::ClearButtonClick() {
    for (QLineEdit* b : boxes_) b->clear();
    TaggedCheck->setChecked(false);
    ReverseCheck->setChecked(false);
    test();
}

void TFilterDialog::OkButtonClick() {
    // A filter that matches nothing keeps the dialog open so it can be
    // mended; an empty one simply shows every record.
    if (test() > 0 || !criteria().restricts()) {
        accept();
        return;
    }
    QApplication::beep();
}

}  // namespace pc::records
