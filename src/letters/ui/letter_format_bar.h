#pragma once
// The letter designer's formatting tool bar over a text editor: font name
// and size, font and background colour, normal/bold/italic/underline,
// alignment, and copy/cut/paste. It follows the character and paragraph
// format at the cursor.
#include <QToolBar>

class QAction;
class QComboBox;
class QFontComboBox;
class QTextCharFormat;
class QTextEdit;

namespace pc::letters {

class LetterFormatBar : public QToolBar {
    Q_OBJECT
  public:
    LetterFormatBar(QTextEdit& editor, QWidget* parent = nullptr);

    QFontComboBox* fontList() const { return font_; }
    QComboBox* sizeList() const { return size_; }
    QAction* action(const QString& objectName) const;

  private:
    void showFormat();
    void merge(const QTextCharFormat& format);
    void chooseColor(bool background);

    QTextEdit& editor_;
    QFontComboBox* font_ = nullptr;
    QComboBox* size_ = nullptr;
    QAction *bold_ = nullptr, *italic_ = nullptr, *underline_ = nullptr;
    QAction *left_ = nullptr, *right_ = nullptr, *justify_ = nullptr, *centre_ = nullptr;
    bool showing_ = false;
};

}  // namespace pc::letters
