#include "letters/ui/letter_design.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QVBoxLayout>

#include "letters/letter_fields.h"
#include "letters/letter_storage.h"
#include "letters/ui/inch_ruler.h"
#include "letters/ui/letter_format_bar.h"
#include "letters/ui/page_prop_dialog.h"
#include "letters/ui/paragraph_prop_dialog.h"
#include "letters/ui/rtf_preview_form.h"
#include "richtext/page_setup.h"
#include "richtext/rtf_file.h"
#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"
#include "spell/spell_check_dialog.h"
#include "spell/spell_checker.h"
#include "text/message_service.h"
#include "text/profile_file.h"
#include "text/program_paths.h"
#include "widgets/window_placement.h"

namespace pc::letters {
namespace {

const QString kSection = QStringLiteral("Letter");

// The document's content and page replaced by another's, as a reload
// through RTF would leave it.
void replaceDocument(QTextDocument& target, const QTextDocument& source) {
    richtext::readRtf(richtext::writeRtf(source), target);
}

}  // namespace

LetterDefaultFont LetterDefaultFont::load() {
    const text::ProfileFile ini(text::settingsPath());
    LetterDefaultFont f;
    f.name = ini.readString(kSection, QStringLiteral("DefaultFontName"), f.name);
    f.size = ini.readInt(kSection, QStringLiteral("DefaultFontSize"), f.size);
    f.bold = ini.readBool(kSection, QStringLiteral("DefaultFontBold"), f.bold);
    f.italic = ini.readBool(kSection, QStringLiteral("DefaultFontItalic"), f.italic);
    if (f.size < 1 || f.size > 1638) f.size = 10;
    return f;
}

void LetterDefaultFont::save() const {
    text::ProfileFile ini(text::settingsPath());
    ini.writeString(kSection, QStringLiteral("DefaultFontName"), name);
    ini.writeInt(kSection, QStringLiteral("DefaultFontSize"), size);
    ini.writeBool(kSection, QStringLiteral("DefaultFontBold"), bold);
    ini.writeBool(kSection, QStringLiteral("DefaultFontItalic"), italic);
}

QFont LetterDefaultFont::font() const {
    QFont f(name);
    f.setPointSize(size);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

QString LetterDefaultFont::caption() const {
    QString text = QStringLiteral("&Default Font: ") + name + QStringLiteral(", ") +
                   QString::number(size) + QStringLiteral(" pt ");
    if (bold) text += QStringLiteral(", bold");
    if (italic) text += QStringLiteral(", italic");
    return text;
}

TLetterDesign::TLetterDesign(const QString& description, const QTextDocument& document, bool isNew,
                             data::TTable* addresses, QWidget* parent)
    : QDialog(parent), isNew_(isNew), addresses_(addresses) {
    setWindowTitle(QStringLiteral("Letter Designer"));
    setObjectName(QStringLiteral("TLetterDesign"));
    setSizeGripEnabled(true);
    editor_ = new QTextEdit(this);
    editor_->setObjectName(QStringLiteral("Editor"));
    editor_->setAcceptRichText(true);
    replaceDocument(*editor_->document(), document);

    auto* menus = new QMenuBar(this);
    formatBar_ = new LetterFormatBar(*editor_, this);
    description_ = new QLineEdit(description, this);
    description_->setObjectName(QStringLiteral("Description"));
    description_->setMaxLength(kDescriptionLength);
    fields_ = new QComboBox(this);
    fields_->setObjectName(QStringLiteral("InsertFieldList"));
    fields_->addItem(QStringLiteral("Insert field"));
    fields_->addItems(mergeFieldNames());
    connect(fields_, &QComboBox::activated, this, [this](int row) {
        if (row > 0) InsertFieldClick(row - 1);
        fields_->setCurrentIndex(0);
    });
    ruler_ = new InchRuler(this);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Description"), this));
    top->addWidget(description_, 1);
    top->addWidget(fields_);
    auto* preview = new QPushButton(QStringLiteral("Preview"), this);
    auto* ok = new QPushButton(QStringLiteral("Ok"), this);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    preview->setObjectName(QStringLiteral("PreviewButton"));
    ok->setObjectName(QStringLiteral("OkButton"));
    cancel->setObjectName(QStringLiteral("CancelButton"));
    preview->setEnabled(addresses_ != nullptr);
    ok->setDefault(false);
    ok->setAutoDefault(false);
    connect(preview, &QPushButton::clicked, this, &TLetterDesign::PreviewClick);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    for (QPushButton* b : {preview, ok, cancel}) bottom->addWidget(b);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menus);
    layout->addWidget(formatBar_);
    layout->addLayout(top);
    layout->addWidget(ruler_);
    layout->addWidget(editor_, 1);
    layout->addLayout(bottom);
    buildMenus(menus);
    connect(editor_, &QTextEdit::cursorPositionChanged, this, &TLetterDesign::refreshRuler);

    defaultFont_ = LetterDefaultFont::load();
    defaultFontAction_->setText(defaultFont_.caption());
    spellCheck_->setEnabled(QFileInfo::exists(text::mainDictionaryPath()));
    resize(900, 700);
}

TLetterDesign::~TLetterDesign() = default;

void TLetterDesign::buildMenus(QMenuBar* bar) {
    const auto item = [this](QMenu* menu, const QString& text, const char* name,
                             void (TLetterDesign::*click)(), const QKeySequence& keys = {}) {
        QAction* a = menu->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        if (!keys.isEmpty()) a->setShortcut(keys);
        connect(a, &QAction::triggered, this, click);
        return a;
    };
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    item(file, QStringLiteral("&Save as RTF"), "SaveAsRtfItem", &TLetterDesign::SaveAsRtfClick);
    item(file, QStringLiteral("&Load RTF"), "LoadRtfItem", &TLetterDesign::LoadRtfClick);
    item(file, QStringLiteral("&Insert RTF"), "InsertRtfItem", &TLetterDesign::InsertRtfClick);
    QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
    item(edit, QStringLiteral("&Find"), "FindItem", &TLetterDesign::FindClick,
         QKeySequence(QStringLiteral("Ctrl+F")));
    item(edit, QStringLiteral("&Replace"), "ReplaceItem", &TLetterDesign::ReplaceClick,
         QKeySequence(QStringLiteral("Ctrl+R")));
    spellCheck_ = item(edit, QStringLiteral("&Spell Check"), "SpellCheckItem",
                       &TLetterDesign::SpellCheckClick, QKeySequence(Qt::Key_F7));
    item(edit, QStringLiteral("&Insert Page Break"), "InsertPageBreakItem",
         &TLetterDesign::InsertPageBreakClick);
    QMenu* settings = bar->addMenu(QStringLiteral("&Settings"));
    item(settings, QStringLiteral("&Paragraph Settings"), "ParagraphSettingsItem",
         &TLetterDesign::ParagraphSettingsClick);
    item(settings, QStringLiteral("Pa&ge Settings"), "PageSettingsItem",
         &TLetterDesign::PageSettingsClick);
    wordWrapAction_ = item(settings, QStringLiteral("&Word Wrap is ON"), "WordWrapItem",
                           &TLetterDesign::WordWrapClick);
    defaultFontAction_ =
        item(settings, QString(), "DefaultFontItem", &TLetterDesign::DefaultFontClick);
}

QAction* TLetterDesign::menuAction(const QString& objectName) const {
    return findChild<QAction*>(objectName);
}

QString TLetterDesign::description() const {
    return description_->text();
}

void TLetterDesign::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (activated_) return;
    activated_ = true;
    FormActivate();
}

void TLetterDesign::FormActivate() {
    wordWrap_ = false;
    applyWordWrap();
    if (isNew_) {
        QTextCharFormat format;
        format.setFont(defaultFont_.font());
        QTextCursor all(editor_->document());
        all.select(QTextCursor::Document);
        all.mergeCharFormat(format);
        editor_->setCurrentCharFormat(format);
    }
    refreshRuler();
    widgets::restorePlacement(this, parentWidget());
}

void TLetterDesign::closeEvent(QCloseEvent* event) {
    // The close box saves, as Ok does.
    accept();
    event->accept();
}

void TLetterDesign::done(int result) {
    widgets::savePlacement(this);
    QDialog::done(result);
}

// Off: lines break where they will on paper; on: at the window's edge.
void TLetterDesign::applyWordWrap() {
    if (wordWrap_) {
        editor_->setLineWrapMode(QTextEdit::WidgetWidth);
    } else {
        const richtext::PageSetup page = richtext::pageSetup(*editor_->document());
        const int textTwips = page.paperWidth - page.marginLeft - page.marginRight;
        editor_->setLineWrapMode(QTextEdit::FixedPixelWidth);
        editor_->setLineWrapColumnOrWidth(
            std::max(20, textTwips * logicalDpiX() / richtext::kTwipsPerInch));
    }
    wordWrapAction_->setText(wordWrap_ ? QStringLiteral("&Word Wrap is ON")
                                       : QStringLiteral("&Word Wrap is OFF"));
}

void TLetterDesign::refreshRuler() {
    ruler_->setPage(richtext::pageSetup(*editor_->document()));
    ruler_->setParagraph(paragraphSettings(editor_->textCursor().blockFormat()));
    ruler_->setTextOrigin(editor_->geometry().left() + editor_->frameWidth() +
                          int(editor_->document()->documentMargin()));
}

void TLetterDesign::InsertFieldClick(int index) {
    const QStringList& names = mergeFieldNames();
    if (index < 0 || index >= names.size()) return;
    editor_->textCursor().insertText(QLatin1Char('[') + names[index] + QLatin1Char(']'));
    editor_->setFocus();
}

void TLetterDesign::InsertPageBreakClick() {
    if (!text::messages().ask(QStringLiteral("Insert a page break?"), QStringLiteral("PAGE BREAK")))
        return;
    QTextCursor cursor = editor_->textCursor();
    QTextBlockFormat format = cursor.blockFormat();
    format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    cursor.insertBlock(format);
    editor_->setTextCursor(cursor);
}

void TLetterDesign::WordWrapClick() {
    wordWrap_ = !wordWrap_;
    applyWordWrap();
}

void TLetterDesign::DefaultFontClick() {
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, defaultFont_.font(), this);
    if (ok) {
        defaultFont_.name = chosen.family();
        defaultFont_.size = std::max(1, chosen.pointSize());
        defaultFont_.bold = chosen.bold();
        defaultFont_.italic = chosen.italic();
        QTextCharFormat format;
        format.setFont(defaultFont_.font());
        editor_->mergeCurrentCharFormat(format);
    }
    defaultFontAction_->setText(defaultFont_.caption());
    defaultFont_.save();
}

void TLetterDesign::PageSettingsClick() {
    TWPPageProp dialog(richtext::pageSetup(*editor_->document()), this);
    if (dialog.exec() == QDialog::Accepted)
        richtext::setPageSetup(*editor_->document(), dialog.page());
    reloadDocument();
    applyWordWrap();
    refreshRuler();
}

// Through RTF and back, so the editor shows what will be stored.
void TLetterDesign::reloadDocument() {
    const int position = editor_->textCursor().position();
    const QByteArray rtf = richtext::writeRtf(*editor_->document());
    richtext::readRtf(rtf, *editor_->document());
    QTextCursor cursor(editor_->document());
    cursor.setPosition(std::min(position, editor_->document()->characterCount() - 1));
    editor_->setTextCursor(cursor);
}

void TLetterDesign::ParagraphSettingsClick() {
    QTextCursor cursor = editor_->textCursor();
    TParagraphPropDlg dialog(paragraphSettings(cursor.blockFormat()), this);
    if (dialog.exec() != QDialog::Accepted) return;
    QTextBlockFormat format = cursor.blockFormat();
    applyParagraphSettings(dialog.settings(), format);
    cursor.setBlockFormat(format);
    refreshRuler();
}

void TLetterDesign::SpellCheckClick() {
    if (!spellCheck_->isEnabled()) return;
    spell::SpellChecker checker;
    if (!checker.open(text::mainDictionaryPath(), text::userDictionaryPath())) return;
    spell::checkDocumentSpelling(*editor_->document(), checker, this);
}

void TLetterDesign::FindClick() {
    bool ok = false;
    const QString wanted =
        QInputDialog::getText(this, QStringLiteral("Find"), QStringLiteral("Find what:"),
                              QLineEdit::Normal, editor_->textCursor().selectedText(), &ok);
    if (!ok || wanted.isEmpty()) return;
    if (!editor_->find(wanted)) {
        editor_->moveCursor(QTextCursor::Start);
        if (!editor_->find(wanted)) QApplication::beep();
    }
}

void TLetterDesign::ReplaceClick() {
    bool ok = false;
    const QString wanted =
        QInputDialog::getText(this, QStringLiteral("Replace"), QStringLiteral("Find what:"),
                              QLineEdit::Normal, editor_->textCursor().selectedText(), &ok);
    if (!ok || wanted.isEmpty()) return;
    const QString with =
        QInputDialog::getText(this, QStringLiteral("Replace"), QStringLiteral("Replace with:"),
                              QLineEdit::Normal, QString(), &ok);
    if (!ok) return;
    QTextCursor edit(editor_->document());
    edit.beginEditBlock();
    for (QTextCursor found = editor_->document()->find(wanted); !found.isNull();
         found = editor_->document()->find(wanted, found)) {
        found.insertText(with);
    }
    edit.endEditBlock();
}

void TLetterDesign::SaveAsRtfClick() {
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save as RTF"), {},
                                                      QStringLiteral("RTF files (*.rtf)"));
    if (path.isEmpty()) return;
    QString error;
    if (!richtext::saveRtfFile(*editor_->document(), path, &error)) text::messages().inform(error);
}

void TLetterDesign::LoadRtfClick() {
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Load RTF"), {},
                                                      QStringLiteral("RTF files (*.rtf)"));
    if (path.isEmpty()) return;
    QString error;
    if (!richtext::loadRtfFile(path, *editor_->document(), &error)) text::messages().inform(error);
    applyWordWrap();
    refreshRuler();
}

void TLetterDesign::InsertRtfClick() {
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Insert RTF"), {},
                                                      QStringLiteral("RTF files (*.rtf)"));
    if (path.isEmpty()) return;
    QTextDocument inserted;
    QString error;
    if (!richtext::loadRtfFile(path, inserted, &error)) {
        text::messages().inform(error);
        return;
    }
    editor_->textCursor().insertFragment(QTextDocumentFragment(&inserted));
}

void TLetterDesign::PreviewClick() {
    if (!addresses_) return;
    TRTFPreviewForm preview(*editor_->document(), *addresses_, this);
    preview.exec();
}

}  // namespace pc::letters
