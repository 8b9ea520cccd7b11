#pragma once
// The table layer's one exception type: opens, moves, edits and posts that
// fail throw it, and the callers catch it around those operations.
#include <QString>
#include <stdexcept>

namespace pc::data {

class DataError : public std::runtime_error {
  public:
    explicit DataError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

  private:
    QString message_;
};

}  // namespace pc::data
