#pragma once
// "Multi-line Text Editor": the lines of a fixed multi-line object, edited
// in the object's font.
#include <QDialog>
#include <QStringList>

class QPlainTextEdit;

namespace pc::design {
class TGMultiLineLabel;
struct FontSpec;
}  // namespace pc::design

namespace pc::design::ui {

class MultiLineTextEditor : public QDialog {
    Q_OBJECT
  public:
    MultiLineTextEditor(const FontSpec& font, const QStringList& lines, QWidget* parent = nullptr);
    QStringList lines() const;
    QPlainTextEdit* memo() const { return memo_; }

  private:
    QPlainTextEdit* memo_;
};

// Opens the editor on the object; on OK its lines are taken and it fits
// itself to them. True on OK.
bool editMultiLineText(TGMultiLineLabel& label, QWidget* parent = nullptr);

}  // namespace pc::design::ui
