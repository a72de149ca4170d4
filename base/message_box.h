#pragma once

#include <string>

namespace kv {

// Where the system's modal message boxes go. The platform layer installs a
// real one; the default writes the text to stderr only. Every implementation
// also writes the text to stderr.
class MessageBox {
 public:
  virtual ~MessageBox() = default;
  virtual void Show(const std::string& text) = 0;
};

// The process-wide message box (never null).
MessageBox& Messages();
// Installs a message box; nullptr restores the stderr-only default. The
// caller keeps ownership.
void SetMessages(MessageBox* box);

// Writes "text" and a line break to stderr.
void WriteToStderr(const std::string& text);

}  // namespace kv
