#pragma once
// Messages the program's routines would show in a box go to standard error
// while a command runs; questions are answered No.
#include <memory>

#include "text/message_service.h"

namespace pc::cli {

class ScopedStderrMessages {
  public:
    ScopedStderrMessages();
    ~ScopedStderrMessages();
    ScopedStderrMessages(const ScopedStderrMessages&) = delete;
    ScopedStderrMessages& operator=(const ScopedStderrMessages&) = delete;

  private:
    std::unique_ptr<pc::text::MessageService> previous_;
};

}  // namespace pc::cli
