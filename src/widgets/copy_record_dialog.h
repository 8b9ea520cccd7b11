#pragma once
// "Copy Record To Clipboard": the user picks the groups of the record to
// copy; the text itself comes from recordClipboardText.
#include <QDialog>

#include "text/record_text.h"

class QCheckBox;

namespace pc::text {

class CopyRecordDialog : public QDialog {
    Q_OBJECT
  public:
    explicit CopyRecordDialog(QWidget* parent = nullptr);
    ClipboardGroups groups() const;
    void setGroups(const ClipboardGroups& groups);

  private:
    QCheckBox* name_;
    QCheckBox* address_;
    QCheckBox* phones_;
    QCheckBox* codes_;
    QCheckBox* comments_;
};

// Clears the clipboard, puts the record text on it and says so.
void putRecordOnClipboard(const FieldText& field, const ClipboardGroups& groups);
// Shows the dialog centred over `mainWindow`; on OK copies the record.
// True when copied.
bool copyRecordToClipboard(const FieldText& field, QWidget* mainWindow);

}  // namespace pc::text
