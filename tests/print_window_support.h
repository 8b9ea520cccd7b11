#pragma once
// What the tests of the print windows (labels, envelopes, ...) share: a
// session host that keeps still, and a closer that answers the status and
// preview windows of a run the way a user would.
#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include "data/session.h"
#include "print/preview_window.h"
#include "print/print_status_window.h"

namespace pc::test {

class StillSessionHost : public data::Session::Host {
  public:
    explicit StillSessionHost(QString order = {}) : order_(std::move(order)) {}
    QString orderTag() const override { return order_; }
    void selectOrder(const QString&) override {}
    QString filter() const override { return {}; }
    void applyFilter(const QString&) override {}
    QString tagId() const override { return {}; }
    void pauseForSubsystem(bool) override {}
    void resumeFromSubsystem() override {}
    void refreshAfterSubsystem() override {}

  private:
    QString order_;
};

// Presses Ok in the status window once its run has ended, and closes the
// preview once every page is recorded (going to the last page for them), noting its pages and
// caption (and saving a picture of it to `shot` when given).
class PrintWindowCloser {
  public:
    explicit PrintWindowCloser(QString shot = {}) : shot_(std::move(shot)) {
        timer_.setInterval(20);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* status = qobject_cast<print::PrintStatusWindow*>(modal)) {
                auto* button = status->findChild<QPushButton*>("StatusButton");
                if (button && button->text() == "Ok") button->click();
            } else if (auto* preview = qobject_cast<print::PreviewWindow*>(modal)) {
                // A user wanting every page goes to the last one.
                if (!preview->recordingComplete()) {
                    if (auto* last = preview->findChild<QAbstractButton*>("LastButton"))
                        last->click();
                    return;
                }
                previewPages = preview->pageCount();
                caption = preview->windowTitle();
                if (!shot_.isEmpty()) preview->grab().save(shot_);
                preview->accept();
            }
        });
        timer_.start();
    }
    int previewPages = -1;
    QString caption;

  private:
    QString shot_;
    QTimer timer_;
};

}  // namespace pc::test
