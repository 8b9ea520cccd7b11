// Letter pages and the print run: printer bounds, page starts, one letter
// per record on new pages, copies, only the current record, and stopping.
#include "letters/letter_print_run.h"

#include <QImage>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>

#include "../data/data_test_support.h"
#include "data/t_apollo.h"
#include "letters/letter_pages.h"
#include "print/print_engine.h"
#include "richtext/page_setup.h"

namespace pc::test {
namespace {

using pc::letters::LetterPages;
using pc::letters::LetterPrintChoices;
using pc::letters::LetterPrintRun;

// Two pages: a page break before the second paragraph.
std::unique_ptr<QTextDocument> twoPageTemplate() {
    auto doc = std::make_unique<QTextDocument>();
    QTextCursor c(doc.get());
    c.insertText("Dear [First],");
    QTextBlockFormat breakBefore;
    breakBefore.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    c.insertBlock(breakBefore);
    c.insertText("Yours, [Last]");
    pc::richtext::setPageSetup(*doc, {12240, 15840, 1440, 1440, 1440, 1440});
    return doc;
}

TEST(LetterPagesTest, PrinterBoundsTakeOffsetsOffTheMargins) {
    const auto b =
        pc::letters::printerBounds({12240, 15840, 1440, 1440, 1440, 1440}, 600, 600, 150, 150);
    EXPECT_EQ(b.pageWidth, 5100);
    EXPECT_EQ(b.left, 450);
    EXPECT_EQ(b.textWidth, 5100 - 600 - 450);
    EXPECT_EQ(b.top, 450);
    EXPECT_EQ(b.textHeight, 6600 - 600 - 450);
    const auto odd = pc::letters::printerBounds({12241, 15840, 1441, 1440, 1440, 1440}, 300, 300);
    EXPECT_EQ(odd.pageWidth, 2550) << "integer division drops the fraction";
    EXPECT_EQ(odd.left, 300);
}

TEST(LetterPagesTest, PagesThatCannotBePrintedBecomeUsable) {
    using pc::letters::usablePage;
    const pc::richtext::PageSetup good{12240, 15840, 1440, 1440, 1440, 1440};
    EXPECT_EQ(usablePage(good), good);
    const auto zero = usablePage({0, -5, 1440, 1440, 1440, 1440});
    EXPECT_EQ(zero.paperWidth, 12240);
    EXPECT_EQ(zero.paperHeight, 15840);
    const auto wide = usablePage({12240, 15840, 9000, 9000, -100, 200});
    EXPECT_EQ(wide.marginLeft, 1440) << "margins that meet are reset";
    EXPECT_EQ(wide.marginRight, 1440);
    EXPECT_EQ(wide.marginTop, 0) << "a negative margin is none";
    const auto card = usablePage({2000, 2000, 1500, 1500, 0, 0});
    EXPECT_EQ(card.marginLeft, 0) << "a small card has no room for inch margins";
}

TEST(LetterPagesTest, PagesAreFoundByTheirStartPositions) {
    auto doc = twoPageTemplate();
    LetterPages pages(*doc);
    ASSERT_EQ(pages.pageCount(), 2);
    const int second = doc->findBlockByNumber(1).position();
    EXPECT_EQ(pages.pageStart(1), second);
    EXPECT_EQ(pages.pageOf(0), 0);
    EXPECT_EQ(pages.pageOf(second + 3), 1);

    QImage image(816, 1056, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    EXPECT_EQ(pages.drawPage(painter, 0, QRectF(96, 96, 624, 864), 1.0), second);
    EXPECT_EQ(pages.drawPage(painter, second, QRectF(96, 96, 624, 864), 1.0), 0)
        << "no page after the last";
    painter.end();
    EXPECT_NE(image.pixel(100, 100), QColor(Qt::white).rgb()) << "text at the top margin";
}

TEST(LetterPagesTest, LongTextFlowsOntoFurtherPages) {
    QTextDocument doc;
    QStringList lines;
    for (int i = 0; i < 200; ++i) lines << QString("Line %1").arg(i);
    doc.setPlainText(lines.join('\n'));
    pc::richtext::setPageSetup(doc, {12240, 15840, 1440, 1440, 1440, 1440});
    LetterPages pages(doc);
    EXPECT_GT(pages.pageCount(), 2);
    int position = 0, count = 0;
    QImage image(100, 100, QImage::Format_RGB32);
    QPainter painter(&image);
    do {
        const int next = pages.drawPage(painter, position, QRectF(0, 0, 100, 100), 1.0);
        EXPECT_TRUE(next == 0 || next > position);
        position = next;
        ++count;
    } while (position > 0 && count < 100);
    EXPECT_EQ(count, pages.pageCount()) << "walking the starts visits every page once";
}

class LetterPrintRunTest : public DataTest {
  protected:
    void SetUp() override {
        DataTest::SetUp();
        openAddress(table, newAddressTable());
        add(table, "Adams", "Ann");
        add(table, "Baker", "Bob");
        add(table, "Clark", "Cid");
        engine = std::make_unique<pc::data::TApollo>(&table);
        engine->setOrder(engine->tagArea("LNAME"));
        table.first();
    }
    void TearDown() override {
        engine.reset();
        table.close();
        DataTest::TearDown();
    }
    int run(LetterPrintChoices choices, const std::function<bool()>& keepGoing = {}) {
        auto doc = twoPageTemplate();
        pc::print::PrintEngine printer;
        LetterPrintRun letters(table, *engine, *doc, choices, printer);
        printer.setStatusFormat("%0");
        printer.print = [&](pc::print::PrintEngine& e) { letters.print(e, keepGoing); };
        EXPECT_TRUE(printer.run(pc::print::PrintOutput::Recording));
        status = printer.statusText();
        printed = letters.lettersPrinted();
        EXPECT_EQ(int(printer.recording().pages.size()), letters.pagesPrinted());
        return int(printer.recording().pages.size());
    }
    pc::data::TTable table;
    std::unique_ptr<pc::data::TApollo> engine;
    QString status;
    int printed = 0;
};

TEST_F(LetterPrintRunTest, CopiesOfEveryPageForEveryRecord) {
    LetterPrintChoices choices;
    choices.records = LetterPrintChoices::Records::All;
    choices.copies = 2;
    EXPECT_EQ(run(choices), 12);
    EXPECT_EQ(status, "Printing page 12");
    EXPECT_EQ(printed, 3);
}

TEST_F(LetterPrintRunTest, OnlyCurrentRecordPrintsOneLetterWithItsCopies) {
    table.next();
    const int current = table.recNo();
    LetterPrintChoices choices;
    choices.records = LetterPrintChoices::Records::CurrentOnly;
    choices.copies = 3;
    EXPECT_EQ(run(choices), 6);
    EXPECT_EQ(printed, 1);
    EXPECT_EQ(status, "Printing page 6");
    EXPECT_EQ(table.recNo(), current) << "the record is put back";
}

TEST_F(LetterPrintRunTest, StartFromCurrentOutsideTheFilterStartsAtTheFirst) {
    table.last();
    engine->setQuery("LNAME = 'A'");
    LetterPrintChoices choices;
    choices.startFromCurrent = true;
    EXPECT_EQ(run(choices), 2);
    ASSERT_FALSE(messages->texts().isEmpty());
    EXPECT_EQ(messages->texts().first(),
              "Current record is out of range. Starting with first record");
}

TEST_F(LetterPrintRunTest, StoppingAfterARecordEndsTheRun) {
    LetterPrintChoices choices;
    choices.records = LetterPrintChoices::Records::All;
    int calls = 0;
    run(choices, [&] { return ++calls < 2; });
    EXPECT_EQ(printed, 2);
}

TEST_F(LetterPrintRunTest, MergedLetterCarriesTheRecord) {
    auto doc = twoPageTemplate();
    table.first();
    const auto letter = pc::letters::mergedLetter(*doc, table, QDate(2026, 1, 2));
    EXPECT_EQ(letter->toPlainText(), "Dear Ann,\nYours, Adams");
    EXPECT_EQ(pc::richtext::pageSetup(*letter).marginLeft, 1440);
}

}  // namespace
}  // namespace pc::test
