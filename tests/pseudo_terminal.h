#pragma once
// A pseudo-terminal standing in for a modem: the dialler writes to
// device(), the test reads what arrived. Link the test with `util`.
#include <fcntl.h>
#include <pty.h>
#include <unistd.h>

#include <string>

namespace pc::test {

class PseudoTerminal {
  public:
    PseudoTerminal() {
        char name[256] = {};
        if (openpty(&master_, &slave_, name, nullptr, nullptr) == 0) {
            device_ = name;
            fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
        }
    }
    ~PseudoTerminal() {
        if (master_ >= 0) ::close(master_);
        if (slave_ >= 0) ::close(slave_);
    }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;
    const std::string& device() const { return device_; }
    // Everything written to the device since the last call.
    std::string received() {
        std::string all;
        char buffer[256];
        for (ssize_t n; (n = ::read(master_, buffer, sizeof buffer)) > 0;) all.append(buffer, n);
        return all;
    }

  private:
    int master_ = -1, slave_ = -1;
    std::string device_;
};

}  // namespace pc::test
