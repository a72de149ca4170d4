#pragma once

#include <stdexcept>
#include <string>

namespace kv {

// The one error type raised by readers; its message is the system's own text
// ("Incorrect Project File!", "Read beyond end of file", ...).
class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace kv
