#include "cli/cli_messages.h"

#include <cstdio>

namespace pc::cli {
namespace {

class StderrMessages : public pc::text::MessageService {
  public:
    void inform(const QString& text) override { print(text); }
    bool ask(const QString& text, const QString&) override {
        print(text);
        return false;
    }
    bool askDefaultNo(const QString& text, const QString& caption) override {
        return ask(text, caption);
    }
    void error(const QString& text, const QString&) override { print(text); }

  private:
    static void print(QString text) {
        text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        std::fprintf(stderr, "postcraft-cli: %s\n", qUtf8Printable(text));
    }
};

}  // namespace

ScopedStderrMessages::ScopedStderrMessages()
    : previous_(pc::text::setMessageService(std::make_unique<StderrMessages>())) {}

ScopedStderrMessages::~ScopedStderrMessages() {
    pc::text::setMessageService(std::move(previous_));
}

}  // namespace pc::cli
