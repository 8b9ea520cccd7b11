#include "print/preview_run.h"

#include <QEventLoop>
#include <limits>

#include "widgets/window_placement.h"

namespace pc::print {

PreviewRun::PreviewRun(PrintEngine& engine, PrintStatusTexts texts, QString caption,
                       QWidget* parent)
    : engine_(engine),
      caption_(std::move(caption)),
      parent_(parent),
      status_(std::make_unique<PrintStatusWindow>(engine, PrintOutput::Recording, std::move(texts),
                                                  QString(), parent)) {}

PreviewRun::~PreviewRun() {
    delete preview_.data();
}

PrintStatusWindow::Result PreviewRun::exec() {
    auto earlier = engine_.onNewPage;
    engine_.onNewPage = [this, earlier](PrintEngine& engine, int page) {
        if (earlier) earlier(engine, page);
        pageStarted(page);
    };
    widgets::centreWindow(status_.get(), parent_);
    status_->exec();
    engine_.onNewPage = earlier;
    const auto result = status_->result();
    if (!preview_) {
        // A run of a single page ends before the pause that opens the preview.
        if (result != PrintStatusWindow::Result::Completed) return result;
        openPreview();
    }
    preview_->recordingEnded();
    if (!closed_) {
        QEventLoop loop;
        QObject::connect(preview_, &QDialog::finished, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return PrintStatusWindow::Result::Completed;
}

void PreviewRun::pageStarted(int page) {
    const int ready = page - 1;  // pages finished before this one
    if (ready < 1 || closed_ || status_->stopRequested()) return;
    if (!preview_) openPreview();
    preview_->pagesRecorded();
    while (!closed_ && ready > wanted_ + kPagesAhead) {
        QEventLoop loop;
        waiting_ = &loop;
        loop.exec();
        waiting_ = nullptr;
    }
}

void PreviewRun::openPreview() {
    // The status window's part is done; its job goes on under the preview.
    if (status_->isVisible()) status_->done(QDialog::Accepted);
    preview_ = new PreviewWindow(
        engine_.recording(), [this](int index) { want(index); }, caption_, parent_);
    preview_->setWindowModality(Qt::ApplicationModal);
    QObject::connect(preview_, &QDialog::finished, [this] {
        closed_ = true;
        if (engine_.running()) engine_.abort();
        if (waiting_) waiting_->quit();
    });
    preview_->show();
}

void PreviewRun::want(int index) {
    wanted_ = std::max(wanted_, index < 0 ? std::numeric_limits<int>::max() / 2 : index);
    if (waiting_) waiting_->quit();
}

}  // namespace pc::print
