#include "print/preview_window.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QTemporaryDir>

#include "named_child.h"
#include "text/program_paths.h"

using namespace pc::print;

namespace {

RecordedPages threePages() {
    PrintEngine engine;
    engine.setCustomPaper({4_in, 6_in});
    engine.print = [](PrintEngine& e) {
        for (int i = 0; i < 3; ++i) {
            if (i > 0) e.newPage();
            e.canvas().setFont(QFont("Arial", 20));
            e.canvas().text({0.5_in, 0.5_in, 3.5_in, 1.5_in}, QString("Page %1").arg(i + 1));
        }
    };
    EXPECT_TRUE(engine.run(PrintOutput::Recording));
    return engine.recording();
}

TEST(PreviewWindow, NavigatesZoomsAndSavesThePages) {
    QTemporaryDir home;
    pc::text::setHome(home.path());
    PreviewWindow window(threePages(), "Preview Labels");
    EXPECT_EQ(window.windowTitle(), "Preview Labels");
    EXPECT_EQ(window.pageCount(), 3);
    auto* label = pc::test::named<QLabel>(window, "PageLabel");
    EXPECT_EQ(label->text(), "Page 1 of 3");
    window.showPage(5);
    EXPECT_EQ(label->text(), "Page 3 of 3");
    window.showPage(-1);
    EXPECT_EQ(window.pageIndex(), 0);
    window.setZoom(100);
    EXPECT_DOUBLE_EQ(window.zoom(), 4.0);

    const QString pdf = home.filePath("preview.pdf");
    ASSERT_TRUE(window.saveAsPdf(pdf));
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("%PDF"));

    QString error;
    EXPECT_FALSE(window.printTo("No such printer", {}, &error));
    EXPECT_FALSE(error.isEmpty());
}

}  // namespace
