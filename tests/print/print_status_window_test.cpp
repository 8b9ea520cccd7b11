#include "print/print_status_window.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include "text/message_service.h"

using namespace pc::print;
using pc::text::ScopedRecordingMessages;

namespace {

const PrintStatusTexts kTexts{"Printing Page %p\r%0\r%1", "Cancel Label Printing?",
                              "\rLabel Print Canceled!", "\rLabel Print Completed!",
                              "\rPreview Stopped at page %p!"};

// A job of `pages` pages that lets the window's button act after each page.
void pagesJob(PrintEngine& engine, int pages, const std::function<bool()>& keepGoing) {
    engine.print = [pages, keepGoing](PrintEngine& e) {
        for (int i = 0; i < pages; ++i) {
            if (i > 0) e.newPage();
            e.canvas().fillRect({1_in, 1_in, 2_in, 2_in}, Qt::black);
            if (!keepGoing() || e.aborted()) return;
        }
    };
}

TEST(PrintStatusWindow, APrintRunEndsCompletedWithAnOkButton) {
    QTemporaryDir dir;
    PrintEngine engine;
    pagesJob(engine, 2, [] { return true; });
    PrintStatusWindow window(engine, PrintOutput::PdfFile, kTexts, dir.filePath("a.pdf"));
    EXPECT_EQ(window.windowTitle(), "Print Status");
    window.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(window.result(), PrintStatusWindow::Result::Completed);
    EXPECT_EQ(window.statusText(), "\nLabel Print Completed!");
}

TEST(PrintStatusWindow, CancelAsksAndAbortsThePrint) {
    QTemporaryDir dir;
    ScopedRecordingMessages recorded;
    recorded->answer(true);
    PrintEngine engine;
    PrintStatusWindow* window = nullptr;
    pagesJob(engine, 5, [&] {
        if (engine.pageNumber() == 2) window->ButtonClick();
        return true;
    });
    PrintStatusWindow status(engine, PrintOutput::PdfFile, kTexts, dir.filePath("b.pdf"));
    window = &status;
    status.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(recorded->texts(), QStringList({"Cancel Label Printing?"}));
    EXPECT_EQ(status.result(), PrintStatusWindow::Result::Canceled);
    EXPECT_EQ(status.statusText(), "\nLabel Print Canceled!");
    EXPECT_FALSE(QFile::exists(dir.filePath("b.pdf")));
}

TEST(PrintStatusWindow, StopEndsAPreviewAtItsPage) {
    PrintEngine engine;
    PrintStatusWindow* window = nullptr;
    pagesJob(engine, 5, [&] {
        if (engine.pageNumber() == 2) window->ButtonClick();
        return !window->stopRequested();
    });
    PrintStatusWindow status(engine, PrintOutput::Recording, kTexts);
    window = &status;
    EXPECT_EQ(status.windowTitle(), "Preview Status");
    status.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(status.result(), PrintStatusWindow::Result::Stopped);
    EXPECT_EQ(status.statusText(), "\nPreview Stopped at page 2!");
}

}  // namespace
