#pragma once
// "Letter Designer": the letter's description and text in a rich-text
// editor with the formatting tool bar, the merge-field list, a ruler, the
// File/Edit/Settings menus, Preview, and Ok (also the close box) or Cancel.
#include <QDialog>
#include <QFont>
#include <memory>

class QAction;
class QComboBox;
class QLineEdit;
class QMenuBar;
class QTextDocument;
class QTextEdit;

namespace pc::data {
class TTable;
}

namespace pc::letters {

class InchRuler;
class LetterFormatBar;

// The designer's default font ("Letter" section of the settings file).
struct LetterDefaultFont {
    QString name = QStringLiteral("Arial");
    int size = 10;
    bool bold = false;
    bool italic = false;
    static LetterDefaultFont load();
    void save() const;
    QFont font() const;
    // "&Default Font: Arial, 10 pt " with ", bold" and ", italic".
    QString caption() const;
};

class TLetterDesign : public QDialog {
    Q_OBJECT
  public:
    // The document is copied into the editor; `addresses` feeds Preview
    // (none disables it).
    TLetterDesign(const QString& description, const QTextDocument& document, bool isNew,
                  data::TTable* addresses, QWidget* parent = nullptr);
    ~TLetterDesign() override;

    QString description() const;
    QTextEdit* editor() const { return editor_; }
    LetterFormatBar* formatBar() const { return formatBar_; }
    QComboBox* fieldList() const { return fields_; }
    QAction* menuAction(const QString& objectName) const;
    bool wordWrap() const { return wordWrap_; }

    void InsertFieldClick(int index);
    void InsertPageBreakClick();
    void WordWrapClick();
    void DefaultFontClick();
    void PageSettingsClick();
    void ParagraphSettingsClick();
    void SpellCheckClick();
    void FindClick();
    void ReplaceClick();
    void SaveAsRtfClick();
    void LoadRtfClick();
    void InsertRtfClick();
    void PreviewClick();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void done(int result) override;

  private:
    void buildMenus(QMenuBar* bar);
    void FormActivate();
    void applyWordWrap();
    void refreshRuler();
    void reloadDocument();

    bool isNew_;
    data::TTable* addresses_;
    LetterDefaultFont defaultFont_;
    bool wordWrap_ = true;
    bool activated_ = false;
    QLineEdit* description_ = nullptr;
    QTextEdit* editor_ = nullptr;
    LetterFormatBar* formatBar_ = nullptr;
    QComboBox* fields_ = nullptr;
    InchRuler* ruler_ = nullptr;
    QAction *spellCheck_ = nullptr, *wordWrapAction_ = nullptr, *defaultFontAction_ = nullptr;
};

}  // namespace pc::letters
