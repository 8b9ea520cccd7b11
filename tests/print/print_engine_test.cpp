#include "print/print_engine.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include "print/paper.h"

using namespace pc::print;

namespace {

// A job of `pages` pages, each with a filled square, keeping the status
// texts it showed.
struct SquaresJob {
    explicit SquaresJob(PrintEngine& engine, int pages) {
        engine.setStatusFormat("Printing Page %p\r%0\r%1");
        engine.onStatus = [this](const QString& text) { statuses << text; };
        engine.print = [pages](PrintEngine& e) {
            for (int i = 0; i < pages && !e.aborted(); ++i) {
                if (i > 0) e.newPage();
                e.setStatusLine(0, QString("square %1").arg(i + 1));
                e.canvas().setBrush(Qt::black);
                e.canvas().fillRect({1_in, 1_in, 2_in, 2_in});
            }
        };
    }
    QStringList statuses;
};

TEST(PrintEngine, ThePdfPrinterIsAlwaysThereAndChosenWithoutOthers) {
    PrintEngine engine;
    ASSERT_FALSE(engine.printers().isEmpty());
    EXPECT_EQ(engine.printers().last(), "PDF file");
    EXPECT_TRUE(engine.pdfPrinter());
    EXPECT_FALSE(engine.selectPrinter(99));
    EXPECT_FALSE(engine.selectPrinter("No such printer"));
}

TEST(PrintEngine, PaperByCodeOrCustomAndOrientation) {
    PrintEngine engine;
    EXPECT_TRUE(engine.setPaperCode(kPaperA4));
    EXPECT_NEAR(engine.pageSize().width.value, 8.27, 0.01);
    engine.setOrientation(QPageLayout::Landscape);
    EXPECT_NEAR(engine.pageSize().width.value, 11.69, 0.01);
    EXPECT_FALSE(engine.setPaperCode(4242));
    engine.setOrientation(QPageLayout::Portrait);
    engine.setCustomPaper({4_in, 6_in});
    EXPECT_DOUBLE_EQ(engine.pageSize().height.value, 6.0);
    EXPECT_EQ(engine.unprintableMargins(), QMarginsF());
}

TEST(PrintEngine, RecordingKeepsEveryPageAndTheStatusCountsThem) {
    PrintEngine engine;
    engine.setPaperCode(kPaperLetter);
    SquaresJob job(engine, 3);
    int beforePrint = 0;
    engine.beforePrint = [&](PrintEngine&) { ++beforePrint; };
    ASSERT_TRUE(engine.run(PrintOutput::Recording));
    EXPECT_EQ(beforePrint, 1);
    ASSERT_EQ(engine.recording().pages.size(), 3u);
    EXPECT_DOUBLE_EQ(engine.recording().pageSize.width.value, 8.5);
    EXPECT_TRUE(job.statuses.contains("Printing Page 3\rsquare 3\r"));

    // A recorded page replays at its inch size on any device.
    QImage image(850, 1100, QImage::Format_RGB32);
    image.setDotsPerMeterX(3937);  // 100 dpi
    image.setDotsPerMeterY(3937);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.drawPicture(0, 0, engine.recording().pages[1]);
    painter.end();
    EXPECT_EQ(qGray(image.pixel(150, 150)), 0);
    EXPECT_EQ(qGray(image.pixel(250, 250)), 255);
}

TEST(PrintEngine, AbortEndsTheJobAndReportsIt) {
    PrintEngine engine;
    SquaresJob job(engine, 10);
    engine.onNewPage = [](PrintEngine& e, int page) {
        if (page == 2) e.abort();
    };
    EXPECT_FALSE(engine.run(PrintOutput::Recording));
    EXPECT_TRUE(engine.aborted());
    EXPECT_EQ(engine.recording().pages.size(), 2u);
}

TEST(PrintEngine, PdfOutputIsWholeAndNeedsAFileName) {
    QTemporaryDir dir;
    PrintEngine engine;
    engine.setCustomPaper({4_in, 6_in});
    SquaresJob job(engine, 2);
    EXPECT_FALSE(engine.run(PrintOutput::PdfFile));
    EXPECT_FALSE(engine.lastError().isEmpty());

    const QString path = dir.filePath("labels.pdf");
    ASSERT_TRUE(engine.run(PrintOutput::PdfFile, path));
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));

    // An aborted job leaves the earlier file as it was.
    const qint64 before = QFileInfo(path).size();
    engine.onNewPage = [](PrintEngine& e, int page) {
        if (page == 2) e.abort();
    };
    EXPECT_FALSE(engine.run(PrintOutput::PdfFile, path));
    EXPECT_EQ(QFileInfo(path).size(), before);
}

}  // namespace
