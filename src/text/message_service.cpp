#include "text/message_service.h"

#include <cstdio>

namespace pc::text {
namespace {

// Without a window system (command-line tools, or before the program
// installs its message boxes) the text goes to stderr and questions are
// answered No, the safe answer.
class StderrMessageService : public MessageService {
  public:
    void inform(const QString& text) override { print(QStringLiteral("Information"), text); }
    bool ask(const QString& text, const QString& caption) override {
        print(caption, text);
        return false;
    }
    bool askDefaultNo(const QString& text, const QString& caption) override {
        print(caption, text);
        return false;
    }
    void error(const QString& text, const QString& caption) override { print(caption, text); }

  private:
    static void print(const QString& caption, const QString& text) {
        std::fprintf(stderr, "%s: %s\n", qUtf8Printable(caption), qUtf8Printable(text));
    }
};

StderrMessageService& defaultService() {
    static StderrMessageService service;
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
