#include "print/preview_run.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "named_child.h"
#include "text/program_paths.h"

using namespace pc::print;

namespace {

// A preview run over a job of `pages` pages that ends when asked to; each
// tick of `step` runs while the run waits (in the status window or for the
// reader), until it returns false.
class PreviewRunTest : public ::testing::Test {
  protected:
    void SetUp() override { pc::text::setHome(home.path()); }

    PrintStatusWindow::Result run(int pages, std::function<bool(PreviewRun&)> step) {
        engine.setCustomPaper({4_in, 6_in});
        PreviewRun preview(engine,
                           {"Preparing Preview Page %p\r%0\r%1", "Cancel?", "\rCanceled!",
                            "\rCompleted!", "\rPreview Stopped at page %p!"},
                           "Preview Test", nullptr);
        engine.print = [&, pages](PrintEngine& e) {
            for (int i = 0; i < pages && preview.keepGoing() && !e.aborted(); ++i) {
                if (i > 0) e.newPage();
                e.canvas().text({0.5_in, 0.5_in, 3_in, 1_in}, QString::number(i + 1));
            }
        };
        QTimer timer;
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            if (!step(preview)) timer.stop();
        });
        timer.start();
        return preview.exec();
    }

    QString pageText(PreviewRun& run) {
        return pc::test::named<QLabel>(run.previewWindow(), "PageLabel")->text();
    }
    int recorded() const { return static_cast<int>(engine.recording().pages.size()); }

    QTemporaryDir home;
    PrintEngine engine;
};

TEST_F(PreviewRunTest, RecordsOnlyAFewPagesBeyondTheOneShown) {
    int phase = 0;
    int atOpen = 0, afterNext = 0;
    QString textAtOpen, textAfterNext;
    const auto result = run(50, [&](PreviewRun& run) {
        PreviewWindow* preview = run.previewWindow();
        if (!preview) return true;
        if (phase == 0) {
            // Paused: the first page shown, two more ready, a fourth begun.
            atOpen = recorded();
            textAtOpen = pageText(run);
            preview->showPage(5);
            phase = 1;
            return true;
        }
        afterNext = recorded();
        textAfterNext = pageText(run);
        preview->reject();
        return false;
    });
    EXPECT_EQ(result, PrintStatusWindow::Result::Completed);
    EXPECT_EQ(atOpen, PreviewRun::kPagesAhead + 2);
    EXPECT_EQ(textAtOpen, "Page 1 of 3+");
    EXPECT_EQ(afterNext, 5 + PreviewRun::kPagesAhead + 2);
    EXPECT_EQ(textAfterNext, "Page 6 of 8+");
    // Closing the preview ended the job.
    EXPECT_EQ(recorded(), afterNext);
    EXPECT_TRUE(engine.aborted());
}

TEST_F(PreviewRunTest, TheLastPageRecordsTheRest) {
    QString last;
    int count = 0;
    run(40, [&](PreviewRun& run) {
        PreviewWindow* preview = run.previewWindow();
        if (!preview) return true;
        if (!preview->recordingComplete()) {
            pc::test::named<QToolButton>(preview, "LastButton")->click();
            return true;
        }
        last = pageText(run);
        count = preview->pageCount();
        preview->accept();
        return false;
    });
    EXPECT_EQ(last, "Page 40 of 40");
    EXPECT_EQ(count, 40);
}

TEST_F(PreviewRunTest, AOnePageRunOpensOnceItIsDone) {
    QString text;
    const auto result = run(1, [&](PreviewRun& run) {
        if (!run.previewWindow()) return true;
        text = pageText(run);
        run.previewWindow()->accept();
        return false;
    });
    EXPECT_EQ(result, PrintStatusWindow::Result::Completed);
    EXPECT_EQ(text, "Page 1 of 1");
}

}  // namespace
