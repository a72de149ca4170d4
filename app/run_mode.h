#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kv {

enum class RunMode { kNone, kShow, kConfiguration, kPreview, kPassword };

// The mode text: the first argument upper-cased and cut to two characters
// (empty without an argument).
std::string ModeText(const std::string& first_argument);

// "/S" "-S" "S" show; "/C" "-C" "C" and "" configuration; "/P" "-P" "P"
// preview; "/A" "-A" "A" password; anything else none.
RunMode ModeOf(const std::string& mode_text);

// A window id: decimal, or hexadecimal after "0x". No value for anything else.
std::optional<uint64_t> ParseWindowHandle(const std::string& text);

}  // namespace kv
