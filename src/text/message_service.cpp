#include "text/message_service.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

namespace pc::text {
namespace {

// Real message boxes, modal and owned by the active window. Without a
// widget application (command-line tools) the text goes to stderr and
// questions are answered No, the safe answer.
class DefaultMessageService : public MessageService {
  public:
    void inform(const QString& text) override {
        show(QMessageBox::Information, QStringLiteral("Information"), text, QMessageBox::Ok,
             QMessageBox::Ok);
    }
    bool ask(const QString& text, const QString& caption) override {
        return show(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No,
                    QMessageBox::Yes) == QMessageBox::Yes;
    }
    bool askDefaultNo(const QString& text, const QString& caption) override {
        return show(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No,
                    QMessageBox::No) == QMessageBox::Yes;
    }
    void error(const QString& text, const QString& caption) override {
        show(QMessageBox::Warning, caption, text, QMessageBox::Ok, QMessageBox::Ok);
    }

  private:
    static int show(QMessageBox::Icon icon, const QString& caption, const QString& text,
                    QMessageBox::StandardButtons buttons, QMessageBox::StandardButton preset) {
        if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
            std::fprintf(stderr, "%s: %s\n", qUtf8Printable(caption), qUtf8Printable(text));
            return QMessageBox::No;
        }
        QMessageBox box(icon, caption, text, buttons, QApplication::activeWindow());
        box.setWindowModality(Qt::ApplicationModal);
        box.setDefaultButton(preset);
        return box.exec();
    }
};

DefaultMessageService& defaultService() {
    static DefaultMessageService service;
    return service;
}

std::unique_ptr<MessageService>& installed() {
    static std::unique_ptr<MessageService> service;
    return service;
}

}  // namespace

MessageService& messages() {
    MessageService* service = installed().get();
    return service ? *service : defaultService();
}

std::unique_ptr<MessageService> setMessageService(std::unique_ptr<MessageService> service) {
    std::unique_ptr<MessageService> previous = std::move(installed());
    installed() = std::move(service);
    return previous;
}

void RecordingMessageService::inform(const QString& text) {
    shown_.push_back({QStringLiteral("inform"), text, QStringLiteral("Information")});
}

bool RecordingMessageService::ask(const QString& text, const QString& caption) {
    shown_.push_back({QStringLiteral("ask"), text, caption});
    return nextAnswer();
}

bool RecordingMessageService::askDefaultNo(const QString& text, const QString& caption) {
    shown_.push_back({QStringLiteral("askDefaultNo"), text, caption});
    return nextAnswer();
}

void RecordingMessageService::error(const QString& text, const QString& caption) {
    shown_.push_back({QStringLiteral("error"), text, caption});
}

QStringList RecordingMessageService::texts() const {
    QStringList result;
    for (const Shown& s : shown_) result << s.text;
    return result;
}

bool RecordingMessageService::nextAnswer() {
    if (answers_.empty()) return true;
    const bool yes = answers_.front();
    answers_.pop_front();
    return yes;
}

ScopedRecordingMessages::ScopedRecordingMessages() {
    auto recorder = std::make_unique<RecordingMessageService>();
    recorder_ = recorder.get();
    previous_ = setMessageService(std::move(recorder));
}

ScopedRecordingMessages::~ScopedRecordingMessages() {
    setMessageService(std::move(previous_));
}

}  // namespace pc::text
