#pragma once
// Every message box the program shows goes through one service, so tests can
// read the exact texts and answer the questions.
#include <QString>
#include <QStringList>
#include <deque>
#include <memory>
#include <vector>

namespace pc::text {

class MessageService {
  public:
    virtual ~MessageService() = default;
    // OK button, information icon, caption "Information".
    virtual void inform(const QString& text) = 0;
    // Yes/No, question icon, the given caption; true on Yes.
    virtual bool ask(const QString& text, const QString& caption) = 0;
    // As ask, with No as the default button.
    virtual bool askDefaultNo(const QString& text, const QString& caption) = 0;
    // OK button, warning icon, the given caption (engine and file errors).
    virtual void error(const QString& text, const QString& caption) = 0;
};

// The service in force. The default writes to stderr and answers No; the
// desktop program installs message boxes (widgets/message_box_service.h).
MessageService& messages();
// Installs another service (tests); returns the previous one. Passing null
// restores the default.
std::unique_ptr<MessageService> setMessageService(std::unique_ptr<MessageService> service);

// A service that records what was shown and answers from a script: each
// question takes the next scripted answer (Yes when the script is empty).
class RecordingMessageService : public MessageService {
  public:
    struct Shown {
        QString kind;  // "inform", "ask", "askDefaultNo", "error"
        QString text;
        QString caption;
    };
    void inform(const QString& text) override;
    bool ask(const QString& text, const QString& caption) override;
    bool askDefaultNo(const QString& text, const QString& caption) override;
    void error(const QString& text, const QString& caption) override;

    void answer(bool yes) { answers_.push_back(yes); }
    const std::vector<Shown>& shown() const { return shown_; }
    QStringList texts() const;
    void clear() {
        shown_.clear();
        answers_.clear();
    }

  private:
    bool nextAnswer();
    std::vector<Shown> shown_;
    std::deque<bool> answers_;
};

// Installs a RecordingMessageService for the lifetime of the object.
class ScopedRecordingMessages {
  public:
    ScopedRecordingMessages();
    ~ScopedRecordingMessages();
    ScopedRecordingMessages(const ScopedRecordingMessages&) = delete;
    ScopedRecordingMessages& operator=(const ScopedRecordingMessages&) = delete;
    RecordingMessageService& operator*() { return *recorder_; }
    RecordingMessageService* operator->() { return recorder_; }

  private:
    RecordingMessageService* recorder_;
    std::unique_ptr<MessageService> previous_;
};

}  // namespace pc::text
