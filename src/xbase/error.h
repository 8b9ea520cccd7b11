#pragma once
// The engine's one exception type. Classes below the sx_ facade throw it; the
// facade turns it into a failure return and keeps the message for the caller.
#include <stdexcept>
#include <string>

namespace pc::xbase {

class Error : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace pc::xbase
