#include "print/print_status_window.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "text/message_service.h"

namespace pc::print {

PrintStatusWindow::PrintStatusWindow(PrintEngine& engine, PrintOutput output,
                                     PrintStatusTexts texts, QString pdfPath, QWidget* parent)
    : QDialog(parent),
      engine_(engine),
      output_(output),
      texts_(std::move(texts)),
      pdfPath_(std::move(pdfPath)) {
    setWindowTitle(preview() ? QStringLiteral("Preview Status") : QStringLiteral("Print Status"));
    setObjectName(QStringLiteral("PrintStatusWindow"));
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("StatusLabel"));
    status_->setAlignment(Qt::AlignCenter);
    status_->setMinimumSize(280, 70);
    button_ = new QPushButton(preview() ? QStringLiteral("Stop") : QStringLiteral("Cancel"), this);
    button_->setObjectName(QStringLiteral("StatusButton"));
    connect(button_, &QPushButton::clicked, this, &PrintStatusWindow::ButtonClick);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(status_);
    layout->addWidget(button_, 0, Qt::AlignHCenter);
}

QString PrintStatusWindow::statusText() const {
    return status_->text();
}

static QString shown(QString text) {
    return text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

void PrintStatusWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (started_) return;
    started_ = true;
    QTimer::singleShot(0, this, &PrintStatusWindow::runJob);
}

void PrintStatusWindow::runJob() {
    engine_.setStatusFormat(texts_.statusFormat);
    engine_.setStatusLine(0, {});
    engine_.setStatusLine(1, {});
    engine_.onStatus = [this](const QString& text) { status_->setText(shown(text)); };
    running_ = true;
    const bool ok = engine_.run(output_, pdfPath_);
    running_ = false;
    engine_.onStatus = nullptr;
    button_->setText(QStringLiteral("Ok"));
    if (engine_.aborted()) {
        result_ = Result::Canceled;
        status_->setText(shown(texts_.canceled));
    } else if (stop_) {
        result_ = Result::Stopped;
        QString stopped = texts_.stopped;
        status_->setText(
            shown(stopped.replace(QLatin1String("%p"), QString::number(engine_.pageNumber()))));
    } else if (!ok) {
        result_ = Result::Failed;
        status_->setText(engine_.lastError());
    } else {
        result_ = Result::Completed;
        if (preview()) {
            accept();
            return;
        }
        status_->setText(shown(texts_.completed));
    }
}

void PrintStatusWindow::ButtonClick() {
    if (!running_) {
        accept();
        return;
    }
    if (preview()) {
        stop_ = true;
        return;
    }
    if (texts_.cancelQuestion.isEmpty() ||
        text::messages().ask(texts_.cancelQuestion, QStringLiteral("Confirm")))
        engine_.abort();
}

void PrintStatusWindow::reject() {
    // Escape or the close box while running acts as the button.
    if (running_) {
        ButtonClick();
        return;
    }
    QDialog::reject();
}

}  // namespace pc::print
