#pragma once
// "Select a Date": a calendar with buttons that step by month and year, jump
// to today, or clear the record's date.
#include <QDate>
#include <QDialog>
#include <functional>

class QCalendarWidget;
class QPushButton;

namespace pc::records {

struct DateChoice {
    enum class Kind { Cancel, NoDate, Date };
    Kind kind = Kind::Cancel;
    QDate date;  // for Kind::Date
};

class TSelectDateDialog : public QDialog {
    Q_OBJECT
  public:
    // An invalid `initial` starts on `today`.
    TSelectDateDialog(const QDate& initial, const QDate& today, QWidget* parent = nullptr);

    DateChoice choice() const { return choice_; }
    QDate selectedDate() const;

  private:
    QCalendarWidget* Calendar;
    QPushButton *YearBackButton, *MonthBackButton, *TodayButton, *MonthForwardButton,
        *YearForwardButton, *OkButton, *CancelButton, *NoDateButton;

    void moveTo(const QDate& date);
    void finish(DateChoice::Kind kind);

    QDate today_;
    DateChoice choice_;
};

// The date a record's stored date starts the calendar on: the stored date
// itself, or today when the record has none or it is not a date.
QDate initialCalendarDate(const QString& stored, const QDate& today);

// Shows the dialog modally. Tests install a stand-in (an empty function
// restores the dialog).
using DatePrompter = std::function<DateChoice(const QDate& initial, QWidget* parent)>;
DateChoice promptDate(const QDate& initial, QWidget* parent);
void setDatePrompter(DatePrompter prompter);

}  // namespace pc::records
