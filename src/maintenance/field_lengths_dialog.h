#pragma once
// "Specify Field Lengths": the widths of the 18 keyed fields for the next
// new database, 10 to 80 characters each, optionally kept in the settings.
#include <QDialog>
#include <QString>
#include <vector>

#include "data/new_file_field_lengths.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace pc::maintenance {

// What a box shows once left: its number when it is one from 10 to 80,
// otherwise `restore` (the value it showed on opening or after Defaults).
int lengthAfterLeaving(const QString& text, int restore);

class TFieldLengthsDialog : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kMinimum = 10;
    static constexpr int kMaximum = 80;

    // `lengths` are shown and, on Ok, changed.
    TFieldLengthsDialog(pc::data::NewFileFieldLengths& lengths, const QString& settingsPath,
                        QWidget* parent = nullptr);
    ~TFieldLengthsDialog() override;

    void OkButtonClick();
    void DefaultsButtonClick();
    // The leaving rule for one box.
    void boxLeft(int index);

    struct Box {
        const char* field;
        QLineEdit* edit;
        int restore;  // shown on opening or after Defaults
    };
    std::vector<Box> boxes;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QCheckBox* UseForAllCheck;
    QPushButton *OkButton, *CancelButton, *HelpButton, *DefaultsButton;

    void showLengths(const pc::data::NewFileFieldLengths& lengths);

    pc::data::NewFileFieldLengths& lengths_;
    QString settingsPath_;
};

}  // namespace pc::maintenance
