#pragma once
// The "New Record" prompt of Add: last and first name (for the duplicate
// check) and the zip (for the city and state), each box shown only when its
// switch is on.
#include <QDialog>
#include <QString>
#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace pc::records {

struct NewRecordFields {
    bool askName = false;  // "AutoDupCheck"
    bool askZip = false;   // "PlugCityState"
    int lastWidth = 30;    // the file's LNAME, FNAME and ZIP widths
    int firstWidth = 30;
    int zipWidth = 10;
};

struct NewRecordEntry {
    QString last, first, zip;  // trimmed; "" for a box not shown
};

class TNewRecordDialog : public QDialog {
    Q_OBJECT
  public:
    explicit TNewRecordDialog(const NewRecordFields& fields, QWidget* parent = nullptr);

    NewRecordEntry entry() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLabel *LastLabel, *FirstLabel, *ZipLabel;
    QLineEdit *LastEdit, *FirstEdit, *ZipEdit;
    QPushButton *OkButton, *CancelButton;

    NewRecordFields fields_;
};

// Shows the prompt modally; nothing when it is cancelled. Tests install a
// stand-in that answers without a screen (an empty function restores the
// dialog).
using NewRecordPrompter =
    std::function<std::optional<NewRecordEntry>(const NewRecordFields&, QWidget* parent)>;
std::optional<NewRecordEntry> promptNewRecord(const NewRecordFields& fields, QWidget* parent);
void setNewRecordPrompter(NewRecordPrompter prompter);

}  // namespace pc::records
