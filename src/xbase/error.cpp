#include "xbase/error.h"

#include <cerrno>
#include <cstring>

namespace pc::xbase {

const char* errorKindName(ErrorKind kind) {
    switch (kind) {
        case ErrorKind::NotFound:
            return "not found";
        case ErrorKind::Locked:
            return "locked";
        case ErrorKind::Damaged:
            return "damaged";
        case ErrorKind::Invalid:
            return "invalid";
        case ErrorKind::Io:
            return "I/O error";
        case ErrorKind::DiskFull:
            return "disk full";
        case ErrorKind::ReadOnly:
            return "read-only";
        case ErrorKind::PermissionDenied:
            return "permission denied";
        case ErrorKind::Other:
            break;
    }
    return "error";
}

ErrorKind errorKindFromErrno(int err) {
    switch (err) {
        case ENOENT:
        case ENOTDIR:
            return ErrorKind::NotFound;
        case EWOULDBLOCK:
            return ErrorKind::Locked;
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return ErrorKind::DiskFull;
        case EROFS:
            return ErrorKind::ReadOnly;
        case EACCES:
        case EPERM:
            return ErrorKind::PermissionDenied;
        case EIO:
            return ErrorKind::Io;
        default:
            return ErrorKind::Io;
    }
}

Error Error::fromErrno(int err, const std::string& what, const std::string& path) {
    ErrorKind kind = errorKindFromErrno(err);
    std::string reason;
    switch (kind) {
        case ErrorKind::DiskFull:
            reason = "the disk is full";
            break;
        case ErrorKind::ReadOnly:
            reason = "read-only file system";
            break;
        case ErrorKind::PermissionDenied:
            reason = "permission denied";
            break;
        default:
            reason = std::strerror(err);
    }
    return Error(what + " " + path + ": " + reason, kind);
}

}  // namespace pc::xbase
