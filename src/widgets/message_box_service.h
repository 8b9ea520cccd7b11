#pragma once
// The desktop program's message service: real message boxes, modal and owned
// by the active window.
#include "text/message_service.h"

namespace pc::widgets {

class MessageBoxService : public pc::text::MessageService {
  public:
    void inform(const QString& text) override;
    bool ask(const QString& text, const QString& caption) override;
    bool askDefaultNo(const QString& text, const QString& caption) override;
    void error(const QString& text, const QString& caption) override;
};

}  // namespace pc::widgets
