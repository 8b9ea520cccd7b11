#include "records/select_date_dialog.h"

#include <QCalendarWidget>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "text/stored_date.h"

namespace pc::records {

namespace {

DatePrompter& prompterOverride() {
    static DatePrompter prompter;
    return prompter;
}

}  // namespace

TSelectDateDialog::TSelectDateDialog(const QDate& initial, const QDate& today, QWidget* parent)
    : QDialog(parent), today_(today) {
    setObjectName("TSelectDateDialog");
    setWindowTitle("Select a Date");
    Calendar = new QCalendarWidget;
    Calendar->setObjectName("Calendar");
    Calendar->setGridVisible(true);
    moveTo(initial.isValid() ? initial : today);

    auto button = [this](const char* caption, const char* name) {
        auto* b = new QPushButton(caption);
        b->setObjectName(name);
        b->setAutoDefault(false);
        return b;
    };
    YearBackButton = button("Year-", "YearBackButton");
    MonthBackButton = button("Month-", "MonthBackButton");
    TodayButton = button("Today", "TodayButton");
    MonthForwardButton = button("Month +", "MonthForwardButton");
    YearForwardButton = button("Year+", "YearForwardButton");
    OkButton = button("Ok", "OkButton");
    OkButton->setDefault(true);
    CancelButton = button("Cancel", "CancelButton");
    NoDateButton = button("No Date", "NoDateButton");

    connect(YearBackButton, &QPushButton::clicked, this,
            [this] { moveTo(selectedDate().addYears(-1)); });
    connect(MonthBackButton, &QPushButton::clicked, this,
            [this] { moveTo(selectedDate().addMonths(-1)); });
    connect(TodayButton, &QPushButton::clicked, this, [this] { moveTo(today_); });
    connect(MonthForwardButton, &QPushButton::clicked, this,
            [this] { moveTo(selectedDate().addMonths(1)); });
    connect(YearForwardButton, &QPushButton::clicked, this,
            [this] { moveTo(selectedDate().addYears(1)); });
    connect(OkButton, &QPushButton::clicked, this, [this] { finish(DateChoice::Kind::Date); });
    connect(Calendar, &QCalendarWidget::activated, this,
            [this] { finish(DateChoice::Kind::Date); });
    connect(CancelButton, &QPushButton::clicked, this,
            [this] { finish(DateChoice::Kind::Cancel); });
    connect(NoDateButton, &QPushButton::clicked, this,
            [this] { finish(DateChoice::Kind::NoDate); });

    auto* steps = new QHBoxLayout;
    for (QPushButton* b :
         {YearBackButton, MonthBackButton, TodayButton, MonthForwardButton, YearForwardButton})
        steps->addWidget(b);
    auto* ends = new QHBoxLayout;
    ends->addStretch();
    for (QPushButton* b : {OkButton, CancelButton, NoDateButton}) ends->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Calendar);
    layout->addLayout(steps);
    layout->addLayout(ends);
}

QDate TSelectDateDialog::selectedDate() const {
    return Calendar->selectedDate();
}

void TSelectDateDialog::moveTo(const QDate& date) {
    if (!date.isValid()) return;
    Calendar->setSelectedDate(date);
    Calendar->setCurrentPage(date.year(), date.month());
}

void TSelectDateDialog::finish(DateChoice::Kind kind) {
    choice_.kind = kind;
    choice_.date = kind == DateChoice::Kind::Date ? selectedDate() : QDate();
    if (kind == DateChoice::Kind::Cancel)
        reject();
    else
        accept();
}

QDate initialCalendarDate(const QString& stored, const QDate& today) {
    const auto date = pc::text::storedToDate(stored.trimmed());
    return date && date->isValid() ? *date : today;
}

DateChoice promptDate(const QDate& initial, QWidget* parent) {
    if (prompterOverride()) return prompterOverride()(initial, parent);
    TSelectDateDialog dialog(initial, QDate::currentDate(), parent);
    dialog.exec();
    return dialog.choice();
}

void setDatePrompter(DatePrompter prompter) {
    prompterOverride() = std::move(prompter);
}

}  // namespace pc::records
