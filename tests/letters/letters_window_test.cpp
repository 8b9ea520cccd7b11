// The letter windows wired to their logic: Print Letters with its buttons
// and print run, the preview's pages and records, the designer's menus, and
// the page and paragraph dialogs.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>
#include <QTreeWidget>

#include "data/session.h"
#include "letters/ui/letter_design.h"
#include "letters/ui/page_prop_dialog.h"
#include "letters/ui/paragraph_prop_dialog.h"
#include "letters/ui/pk_letters.h"
#include "letters/ui/rtf_preview_form.h"
#include "letters_test_support.h"
#include "named_child.h"
#include "print/print_status_window.h"
#include "print_window_support.h"
#include "richtext/page_setup.h"
#include "spell/dictionary_files.h"
#include "spell/spell_check_dialog.h"
#include "spell/spell_checker.h"
#include "text/program_paths.h"
#include "widgets/help_link.h"

namespace pc::letters {
namespace {

using pc::test::named;

using FakeHost = pc::test::StillSessionHost;

// Closes the status window once its run has ended, keeping its last text.
class StatusCloser {
  public:
    StatusCloser() {
        timer_.setInterval(20);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* status =
                qobject_cast<print::PrintStatusWindow*>(QApplication::activeModalWidget());
            if (!status) return;
            auto* button = status->findChild<QPushButton*>("StatusButton");
            if (button && button->text() == "Ok") {
                lastText = status->statusText();
                caption = status->windowTitle();
                button->click();
            }
        });
        timer_.start();
    }
    QString lastText, caption;

  private:
    QTimer timer_;
};

class LetterWindowsTest : public pc::test::LetterTableTest {
  protected:
    void SetUp() override {
        LetterTableTest::SetUp();
        openAddress(addresses, newAddressTable());
        add(addresses, "Adams", "Ann");
        add(addresses, "Baker", "Bob");
        add(addresses, "Clark", "Cid");
        engine.setOrder(engine.tagArea("LNAME"));
        addresses.first();
    }
    void TearDown() override {
        addresses.close();
        LetterTableTest::TearDown();
    }
    // A letter of two pages with a merge field on each.
    void addTwoPageLetter(const QString& description) {
        QTextDocument doc;
        QTextCursor c(&doc);
        c.insertText("Dear [First],");
        QTextBlockFormat breakBefore;
        breakBefore.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        c.insertBlock(breakBefore);
        c.insertText("Yours, [Last]");
        pc::richtext::setPageSetup(doc, {12240, 15840, 1440, 1440, 1440, 1440});
        letters.insert();
        letters.fieldByName("DESCRIPT").setText(description);
        SaveRichText(letters, doc);
        letters.post();
        letters.first();
    }

    data::TTable addresses;
    data::TApollo engine{&addresses};
    FakeHost host;
    data::Session session{addresses, engine, host};
};

TEST_F(LetterWindowsTest, AnEmptyListLeavesOnlyNewAndOk) {
    TPKLetters window(session, letters, false);
    window.show();
    for (const char* name :
         {"ModifyButton", "CloneButton", "DeleteButton", "PrintButton", "PreviewButton"})
        EXPECT_FALSE(named<QAbstractButton>(window, name)->isEnabled()) << name;
    EXPECT_TRUE(named<QAbstractButton>(window, "NewButton")->isEnabled());
    EXPECT_TRUE(named<QAbstractButton>(window, "OkButton")->isEnabled());
    EXPECT_FALSE(named<QAbstractButton>(window, "MatchingRecords")->isEnabled())
        << "no filter in force";
    EXPECT_TRUE(named<QLabel>(window, "PrinterLabel")->text().startsWith("Printer: "));

    addTwoPageLetter("Welcome");
    TPKLetters filled(session, letters, true);
    filled.show();
    EXPECT_TRUE(named<QAbstractButton>(filled, "PrintButton")->isEnabled());
    EXPECT_TRUE(named<QAbstractButton>(filled, "MatchingRecords")->isEnabled());
    EXPECT_EQ(filled.list()->headerItem()->text(0), "Letter Description");
    EXPECT_EQ(filled.list()->topLevelItem(0)->text(0), "Welcome");
}

TEST_F(LetterWindowsTest, PrintRunsThroughTheStatusWindowToPdf) {
    addTwoPageLetter("Welcome");
    TPKLetters window(session, letters, false);
    window.show();
    ASSERT_TRUE(window.engine().selectPrinter(QString::fromUtf16(print::kPdfPrinterName)));
    window.setCopies(2);
    const QString pdf = folder() + "letters.pdf";
    StatusCloser closer;
    EXPECT_TRUE(window.PrintLetters(pdf));
    EXPECT_TRUE(QFile::exists(pdf));
    EXPECT_EQ(closer.lastText, "Letter Print Completed!");
    EXPECT_EQ(closer.caption, "Print Status Screen");
    EXPECT_EQ(window.engine().pageNumber(), 12);
}

TEST_F(LetterWindowsTest, NoToTheCancelQuestionGoesOnAndYesStops) {
    addTwoPageLetter("Welcome");
    TPKLetters window(session, letters, false);
    window.show();
    window.engine().selectPrinter(QString::fromUtf16(print::kPdfPrinterName));
    const QString pdf = folder() + "letters.pdf";
    // Cancel is pressed as the third page starts: within the second record.
    window.engine().onNewPage = [](print::PrintEngine&, int page) {
        if (page != 3) return;
        auto* status = qobject_cast<print::PrintStatusWindow*>(QApplication::activeModalWidget());
        if (status) status->ButtonClick();
    };
    StatusCloser closer;
    messages->answer(false);
    EXPECT_TRUE(window.PrintLetters(pdf));
    EXPECT_EQ(messages->texts().last(), "Cancel print job?");
    EXPECT_EQ(window.engine().pageNumber(), 6) << "every record printed";

    messages->answer(true);
    EXPECT_FALSE(window.PrintLetters(pdf));
    EXPECT_EQ(closer.lastText, "Letter Print Canceled!");
}

TEST_F(LetterWindowsTest, PreviewStepsPagesAndMergesEachRecord) {
    addTwoPageLetter("Welcome");
    QTextDocument templateDocument;
    LoadRichText(letters, templateDocument);
    TRTFPreviewForm preview(templateDocument, addresses, nullptr, QDate(2026, 1, 2));
    preview.show();
    EXPECT_EQ(preview.windowTitle(), "Preview Letters Page 1");
    EXPECT_TRUE(preview.mergedLetter()->toPlainText().startsWith("Dear Ann,"));
    EXPECT_GT(preview.zoom(), 0);

    preview.PreviousPageClick();
    EXPECT_EQ(preview.pageNumber(), 1) << "nothing before page 1";
    preview.NextPageClick();
    EXPECT_EQ(preview.pageNumber(), 2);
    EXPECT_EQ(preview.windowTitle(), "Preview Letters Page 2");
    preview.NextPageClick();
    EXPECT_EQ(preview.pageNumber(), 2) << "nothing after the last page";
    preview.PreviousPageClick();
    EXPECT_EQ(preview.pageNumber(), 1);

    preview.NextPageClick();
    preview.NextRecordClick();
    EXPECT_EQ(preview.pageNumber(), 1) << "a new record starts on page 1";
    EXPECT_EQ(preview.windowTitle(), "Preview Letters Page 1");
    EXPECT_TRUE(preview.mergedLetter()->toPlainText().startsWith("Dear Bob,"));
    preview.LastRecordClick();
    EXPECT_TRUE(preview.mergedLetter()->toPlainText().endsWith("Yours, Clark"));

    preview.PageWidthClick();
    const int zoom = preview.zoom();
    preview.ZoomInClick();
    EXPECT_EQ(preview.zoom(), zoom < 150 ? int(zoom * 1.25) : zoom);
    EXPECT_EQ(preview.pagePanel()->width(), pagePanelSize(pc::richtext::pageSetup(templateDocument),
                                                          preview.logicalDpiX(), preview.zoom())
                                                .width());
}

TEST_F(LetterWindowsTest, DesignerInsertsFieldsAndPageBreaksAndKeepsItsSettings) {
    QTextDocument doc;
    TLetterDesign designer("{untitled}", doc, true, &addresses);
    designer.show();
    EXPECT_EQ(designer.windowTitle(), "Letter Designer");
    EXPECT_FALSE(designer.wordWrap()) << "word wrap starts off";
    EXPECT_EQ(designer.menuAction("WordWrapItem")->text(), "&Word Wrap is OFF");
    designer.WordWrapClick();
    EXPECT_EQ(designer.menuAction("WordWrapItem")->text(), "&Word Wrap is ON");
    EXPECT_EQ(designer.menuAction("DefaultFontItem")->text(), "&Default Font: Arial, 10 pt ");
    EXPECT_FALSE(designer.menuAction("SpellCheckItem")->isEnabled()) << "no postcr.dct";
    EXPECT_EQ(designer.menuAction("SpellCheckItem")->shortcut(), QKeySequence(Qt::Key_F7));

    ASSERT_EQ(designer.fieldList()->count(), 26);
    EXPECT_EQ(designer.fieldList()->itemText(1), "Full Name");
    designer.InsertFieldClick(2);
    EXPECT_EQ(designer.editor()->toPlainText(), "[First]");
    EXPECT_EQ(designer.editor()->currentCharFormat().font().family(), "Arial")
        << "a new letter takes the default font";

    messages->answer(false);
    designer.InsertPageBreakClick();
    EXPECT_EQ(designer.editor()->document()->blockCount(), 1);
    EXPECT_EQ(messages->shown().back().text, "Insert a page break?");
    EXPECT_EQ(messages->shown().back().caption, "PAGE BREAK");
    designer.InsertPageBreakClick();
    ASSERT_EQ(designer.editor()->document()->blockCount(), 2);
    EXPECT_EQ(designer.editor()->document()->lastBlock().blockFormat().pageBreakPolicy(),
              QTextFormat::PageBreak_AlwaysBefore);

    designer.close();
    EXPECT_EQ(designer.result(), QDialog::Accepted) << "the close box saves";
}

TEST_F(LetterWindowsTest, SpellCheckIsOfferedWhenTheDictionaryExists) {
    QFile dictionary(pc::text::mainDictionaryPath());
    ASSERT_TRUE(dictionary.open(QIODevice::WriteOnly));
    dictionary.write("1\nword\n");
    dictionary.close();
    QTextDocument doc;
    TLetterDesign designer("Old", doc, false, nullptr);
    EXPECT_TRUE(designer.menuAction("SpellCheckItem")->isEnabled());
    EXPECT_EQ(designer.description(), "Old");
}

TEST_F(LetterWindowsTest, PageDialogConvertsEachEditAndRemembersItsUnit) {
    TWPPageProp page({12240, 15840, 1440, 1440, 1800, 1800});
    EXPECT_EQ(page.box(0)->text(), "8.50");
    page.setUnit(LengthUnit::Cm);
    EXPECT_EQ(page.box(0)->text(), "21.59");
    page.box(4)->setText("2.54");
    EXPECT_EQ(page.page().marginLeft, 1440);
    page.box(5)->setText("");
    EXPECT_EQ(page.page().marginRight, 0);
    EXPECT_EQ(page.page().paperWidth, 12240) << "boxes not edited keep their twips";
    page.OkButtonClick();
    TWPPageProp again({});
    EXPECT_EQ(again.unit(), LengthUnit::Cm) << "the unit is remembered";
}

TEST_F(LetterWindowsTest, ParagraphDialogFollowsTheLeftIndentWhileTheSame) {
    TParagraphPropDlg dialog({.firstIndent = 720, .leftIndent = 720, .spaceBefore = 240});
    EXPECT_EQ(dialog.firstIndentList()->currentText(), "Same as Left Indent");
    EXPECT_FALSE(dialog.firstIndentBox()->isEnabled());
    EXPECT_EQ(dialog.leftIndentBox()->text(), "0.50");
    EXPECT_EQ(dialog.spaceBeforeBox()->text(), "12");
    EXPECT_TRUE(dialog.leftIndentBox()->toolTip().endsWith("inches"));
    dialog.leftIndentBox()->setText("1");
    EXPECT_EQ(dialog.firstIndentBox()->text(), "1");
    EXPECT_EQ(dialog.settings().firstIndent, 1440);
    dialog.unitList()->setCurrentIndex(1);
    EXPECT_TRUE(dialog.leftIndentBox()->toolTip().endsWith("centimeters"));
    EXPECT_EQ(dialog.leftIndentBox()->text(), "2.54");
    dialog.firstIndentList()->setCurrentIndex(1);
    EXPECT_TRUE(dialog.firstIndentBox()->isEnabled());
    dialog.firstIndentBox()->setText("0");
    dialog.spaceAfterBox()->setText("6");
    EXPECT_EQ(dialog.settings().firstIndent, 0);
    EXPECT_EQ(dialog.settings().leftIndent, 1440);
    EXPECT_EQ(dialog.settings().spaceAfter, 120);

    TParagraphPropDlg indented({.firstIndent = 0, .leftIndent = 720});
    EXPECT_EQ(indented.firstIndentList()->currentText(), "Indented by");
}

TEST_F(LetterWindowsTest, EveryWindowHasAHelpButtonOpeningItsTopic) {
    QList<int> topics;
    pc::widgets::setHelpOpener([&topics](int context) { topics << context; });
    TPKLetters window(session, letters, false);
    named<QAbstractButton>(window, "HelpButton")->click();
    TWPPageProp page({});
    TParagraphPropDlg paragraph({});
    for (QDialog* dialog : {static_cast<QDialog*>(&page), static_cast<QDialog*>(&paragraph)})
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Help)->click();
    pc::widgets::setHelpOpener({});
    EXPECT_EQ(topics.size(), 3);
    EXPECT_FALSE(topics.contains(0));
}

// The windows for a look, with PC_SCREENSHOT_DIR set.
TEST_F(LetterWindowsTest, Screenshots) {
    const QByteArray dir = qgetenv("PC_SCREENSHOT_DIR");
    if (dir.isEmpty()) GTEST_SKIP() << "PC_SCREENSHOT_DIR is not set";
    const QString out = QString::fromLocal8Bit(dir) + '/';
    QDir().mkpath(out);
    addTwoPageLetter("Welcome");
    TPKLetters window(session, letters, true);
    window.show();
    window.grab().save(out + "print-letters.png");

    QTextDocument doc;
    LoadRichText(letters, doc);
    QTextCursor c(&doc);
    QTextCharFormat big;
    big.setFontPointSize(16);
    big.setFontWeight(QFont::Bold);
    c.insertText("[Name and Address]\n", big);
    TLetterDesign designer("Welcome", doc, false, &addresses);
    designer.show();
    designer.grab().save(out + "letter-designer.png");
    TParagraphPropDlg paragraph({.firstIndent = 360, .leftIndent = 720});
    paragraph.show();
    paragraph.grab().save(out + "paragraph-properties.png");
    TWPPageProp page({12240, 15840, 1440, 1440, 1440, 1440});
    page.show();
    page.grab().save(out + "page-properties.png");

    TRTFPreviewForm preview(doc, addresses, nullptr, QDate(2026, 1, 2));
    preview.show();
    QApplication::processEvents();
    preview.grab().save(out + "letter-preview.png");

    // The spelling of a letter, with the system's dictionary installed.
    if (!spell::installMainDictionary(pc::text::mainDictionaryPath())) return;
    spell::SpellChecker checker;
    ASSERT_TRUE(checker.open(pc::text::mainDictionaryPath(), pc::text::userDictionaryPath()));
    QTextDocument misspelt;
    misspelt.setPlainText("Dear [First],\nThnak you for your letter.");
    spell::SpellCheckRun run(misspelt, checker);
    ASSERT_TRUE(run.next());
    spell::SpellCheckDialog spelling(run, checker);
    spelling.show();
    spelling.grab().save(out + "spell-check.png");
}

}  // namespace
}  // namespace pc::letters
