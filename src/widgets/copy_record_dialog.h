#pragma once
// "Copy Record To Clipboard": the user picks the groups of the record to
// copy; the text itself comes from recordClipboardText.
#include <QDialog>

#include "text/record_text.h"

class QCheckBox;

namespace pc::widgets {

class CopyRecordDialog : public QDialog {
    Q_OBJECT
  public:
    explicit CopyRecordDialog(QWidget* parent = nullptr);
    text::ClipboardGroups groups() const;
    void setGroups(const text::ClipboardGroups& groups);

  private:
    QCheckBox* name_;
    QCheckBox* address_;
    QCheckBox* phones_;
    QCheckBox* codes_;
    QCheckBox* comments_;
};

// Clears the clipboard, puts the record text on it and says so.
void putRecordOnClipboard(const text::FieldText& field, const text::ClipboardGroups& groups);
// Shows the dialog centred over `mainWindow`; on OK copies the record.
// True when copied.
bool copyRecordToClipboard(const text::FieldText& field, QWidget* mainWindow);

}  // namespace pc::widgets
