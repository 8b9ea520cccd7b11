#include "run_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

extern char** environ;

namespace pc::test {
namespace {

struct Pipe {
    int fd[2] = {-1, -1};
    Pipe() {
        if (pipe2(fd, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
    }
    ~Pipe() {
        closeEnd(0);
        closeEnd(1);
    }
    void closeEnd(int i) {
        if (fd[i] >= 0) ::close(fd[i]);
        fd[i] = -1;
    }
};

}  // namespace

ProcessResult runProcess(const std::vector<std::string>& argv, const std::string& input) {
    Pipe in, out, err;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in.fd[0], 0);
    posix_spawn_file_actions_adddup2(&actions, out.fd[1], 1);
    posix_spawn_file_actions_adddup2(&actions, err.fd[1], 2);

    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    pid_t pid = -1;
    int rc = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) throw std::runtime_error("cannot run " + argv[0]);
    in.closeEnd(0);
    out.closeEnd(1);
    err.closeEnd(1);

    // Feed and drain at the same time so a chatty child cannot block us.
    signal(SIGPIPE, SIG_IGN);
    ProcessResult result;
    size_t written = 0;
    if (input.empty()) in.closeEnd(1);
    for (;;) {
        pollfd fds[3];
        int n = 0;
        int outIdx = -1, errIdx = -1, inIdx = -1;
        if (out.fd[0] >= 0) fds[outIdx = n++] = {out.fd[0], POLLIN, 0};
        if (err.fd[0] >= 0) fds[errIdx = n++] = {err.fd[0], POLLIN, 0};
        if (in.fd[1] >= 0) fds[inIdx = n++] = {in.fd[1], POLLOUT, 0};
        if (n == 0) break;
        if (poll(fds, n, -1) < 0) {
            if (errno == EINTR) continue;
            break;
        }
        char buf[65536];
        auto drain = [&](int idx, Pipe& p, std::string& into) {
            if (idx < 0 || !(fds[idx].revents & (POLLIN | POLLHUP | POLLERR))) return;
            ssize_t got = ::read(p.fd[0], buf, sizeof buf);
            if (got > 0) {
                into.append(buf, static_cast<size_t>(got));
            } else if (got == 0 || errno != EINTR) {
                p.closeEnd(0);
            }
        };
        drain(outIdx, out, result.out);
        drain(errIdx, err, result.err);
        if (inIdx >= 0 && fds[inIdx].revents) {
            ssize_t put = ::write(in.fd[1], input.data() + written, input.size() - written);
            if (put > 0) written += static_cast<size_t>(put);
            if (put < 0 && errno != EINTR) in.closeEnd(1);
            if (written == input.size()) in.closeEnd(1);
        }
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}

bool haveProgram(const std::string& nameOrPath) {
    if (nameOrPath.find('/') != std::string::npos) return access(nameOrPath.c_str(), X_OK) == 0;
    const char* path = std::getenv("PATH");
    std::string dirs = path ? path : "/usr/bin:/bin";
    size_t start = 0;
    while (start <= dirs.size()) {
        size_t end = dirs.find(':', start);
        if (end == std::string::npos) end = dirs.size();
        std::filesystem::path p =
            std::filesystem::path(dirs.substr(start, end - start)) / nameOrPath;
        if (access(p.c_str(), X_OK) == 0) return true;
        start = end + 1;
    }
    return false;
}

}  // namespace pc::test
