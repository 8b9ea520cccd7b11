// The preview window over recorded report pages: what the reader sees of
// page 1 must be what is printed, page header included.
#include <QDir>
#include <QImage>

#include "../data/data_test_support.h"
#include "data/address_schema.h"
#include "data/t_apollo.h"
#include "data/t_field.h"
#include "print/preview_window.h"
#include "print/print_engine.h"
#include "reports/built_in_report.h"
#include "reports/record_sheet.h"

namespace pc::reports {
namespace {

class ReportPreviewTest : public pc::test::DataTest {
  protected:
    void SetUp() override {
        DataTest::SetUp();
        openAddress(table, newAddressTable());
        data::setNameFieldsVisible(table, true);
        for (int i = 0; i < 90; ++i) {
            table.insert();
            table.fieldByName(QStringLiteral("LNAME"))
                .setText(QStringLiteral("Name%1").arg(i, 2, 10, QChar('0')));
            table.fieldByName(QStringLiteral("FNAME")).setText(QStringLiteral("First"));
            table.fieldByName(QStringLiteral("STREET")).setText(QStringLiteral("12 Main Street"));
            table.fieldByName(QStringLiteral("PHONE")).setText(QStringLiteral("555-0100"));
            table.post();
        }
        table.first();
    }
    void TearDown() override {
        table.close();
        DataTest::TearDown();
    }
    // The preview window's picture of the page it shows, at 100 %.
    static QImage shown(print::PreviewWindow& window, int page) {
        window.resize(900, 1200);
        window.show();
        window.setZoom(1.0);
        window.showPage(page);
        return window.grab().toImage();
    }
    // Dark pixels on the paper of the window picture between two heights
    // in inches from the paper's top.
    static int darkRows(const QImage& image, double top, double bottom) {
        const QPoint paper = paperCorner(image);
        int dark = 0;
        for (int y = paper.y() + int(top * 96); y < paper.y() + int(bottom * 96); ++y)
            for (int x = paper.x(); x < paper.x() + int(8.5 * 96); ++x)
                dark += qGray(image.pixel(x, y)) < 100;
        return dark;
    }
    static QPoint paperCorner(const QImage& image) {
        const QRgb white = qRgb(255, 255, 255);
        int top = 0;
        while (top < image.height() && image.pixel(image.width() / 2, top) != white) ++top;
        int left = 0;
        while (left < image.width() && image.pixel(left, top + 5) != white) ++left;
        return {left, top};
    }
    print::RecordedPages record(const std::function<void(print::PrintEngine&)>& body) {
        print::PrintEngine printer;
        printer.print = body;
        EXPECT_TRUE(printer.run(print::PrintOutput::Recording));
        return printer.recording();
    }
    void keep(const QImage& image, const QString& name) {
        const QString dir = qEnvironmentVariable("PC_SCREENSHOT_DIR");
        if (!dir.isEmpty()) image.save(QDir(dir).filePath(name));
    }

    pc::data::TTable table;
};

TEST_F(ReportPreviewTest, EveryBuiltInReportShowsItsHeaderOnEveryPage) {
    for (int number = 1; number <= 4; ++number) {
        table.first();
        BuiltInOptions options;
        options.report = number;
        options.title = QStringLiteral("Directory");
        BuiltInReport report(table, options);
        print::RecordedPages pages = record([&report](print::PrintEngine& e) { report.print(e); });
        ASSERT_GE(pages.pages.size(), 2u) << number;
        print::PreviewWindow window(pages, QStringLiteral("Preview Report"));
        for (int page : {0, 1}) {
            const QImage image = shown(window, page);
            keep(image, QStringLiteral("report-%1-preview-page-%2.png").arg(number).arg(page + 1));
            EXPECT_GT(darkRows(image, 0.45, 0.75), 100)
                << "report " << number << " page " << page + 1;
        }
    }
}

}  // namespace
}  // namespace pc::reports
