#include "cli/input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "cli/db_command.h"

namespace pc::cli {
namespace {

[[noreturn]] void refuse(const std::string& path, const std::string& why) {
    throw CliError("cannot read " + path + ": " + why, kExitFailure);
}

void checkStat(const std::string& path, const struct stat& st, uint64_t maxBytes) {
    if (!S_ISREG(st.st_mode)) refuse(path, "not a regular file");
    if (static_cast<uint64_t>(st.st_size) > maxBytes)
        refuse(path, "it is " + std::to_string(st.st_size) + " bytes long, more than " +
                         std::to_string(maxBytes) + " bytes any valid file of its kind can have");
}

}  // namespace

void requireInputFile(const std::string& path, uint64_t maxBytes) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) refuse(path, std::strerror(errno));
    checkStat(path, st, maxBytes);
}

std::string readInputFile(const std::string& path, uint64_t maxBytes) {
    // Non-blocking open: a named pipe must not stall the command before the check.
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) refuse(path, std::strerror(errno));
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat st {};
    if (::fstat(fd, &st) != 0) refuse(path, std::strerror(errno));
    checkStat(path, st, maxBytes);
    std::string data;
    data.resize(static_cast<size_t>(st.st_size));
    size_t have = 0;
    while (have < data.size()) {
        ssize_t n = ::read(fd, data.data() + have, data.size() - have);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) refuse(path, std::strerror(errno));
        if (n == 0) break;  // shrank while reading: take what is there
        have += static_cast<size_t>(n);
    }
    data.resize(have);
    return data;
}

}  // namespace pc::cli
