#pragma once
// The table layer's one exception type: opens, moves, edits and posts that
// fail throw it, and the callers catch it around those operations. Failures
// of the engine keep the engine's kind, so the program can word its message.
#include <QString>
#include <stdexcept>

#include "xbase/error.h"

namespace pc::data {

using ErrorKind = pc::xbase::ErrorKind;

class DataError : public std::runtime_error {
  public:
    explicit DataError(const QString& message, ErrorKind kind = ErrorKind::Other)
        : std::runtime_error(message.toStdString()), message_(message), kind_(kind) {}
    const QString& message() const { return message_; }
    ErrorKind kind() const { return kind_; }

  private:
    QString message_;
    ErrorKind kind_;
};

}  // namespace pc::data
