#pragma once
// The engine's one exception type. Classes below the sx_ facade throw it; the
// facade turns it into a failure return and keeps the message and kind for
// the caller, who chooses its wording from the kind.
#include <stdexcept>
#include <string>

namespace pc::xbase {

enum class ErrorKind {
    Other,
    NotFound,          // a file that is not there
    Locked,            // held by another program or user
    Damaged,           // a file whose contents cannot be right
    Invalid,           // a bad argument: expression, field, record number
    Io,                // the system failed to read or write
    DiskFull,          // no space left on the device
    ReadOnly,          // a read-only file, folder or file system
    PermissionDenied,  // the user may not open or change it
};

// A short name for messages and tests ("disk full", "read-only", ...).
const char* errorKindName(ErrorKind kind);
// The kind of a failed system call's errno.
ErrorKind errorKindFromErrno(int err);

class Error : public std::runtime_error {
  public:
    explicit Error(const std::string& message, ErrorKind kind = ErrorKind::Other)
        : std::runtime_error(message), kind_(kind) {}
    ErrorKind kind() const { return kind_; }

    // "<what> <path>: <system reason>", with the kind of err.
    static Error fromErrno(int err, const std::string& what, const std::string& path);

  private:
    ErrorKind kind_;
};

}  // namespace pc::xbase
