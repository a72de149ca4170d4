#include "app/run_mode.h"

#include "base/text.h"

namespace kv {

std::string ModeText(const std::string& first_argument) { return UpperCase(first_argument).substr(0, 2); }

RunMode ModeOf(const std::string& mode) {
  if (mode == "/S" || mode == "-S" || mode == "S") return RunMode::kShow;
  if (mode == "/C" || mode == "-C" || mode == "C" || mode.empty()) return RunMode::kConfiguration;
  if (mode == "/P" || mode == "-P" || mode == "P") return RunMode::kPreview;
  if (mode == "/A" || mode == "-A" || mode == "A") return RunMode::kPassword;
  return RunMode::kNone;
}

std::optional<uint64_t> ParseWindowHandle(const std::string& text) {
  std::string_view digits = text;
  int base = 10;
  if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
    digits.remove_prefix(2);
    base = 16;
  }
  if (digits.empty() || digits.size() > 20) return std::nullopt;
  uint64_t value = 0;
  for (const char c : digits) {
    int digit;
    if (c >= '0' && c <= '9') {
      digit = c - '0';
    } else if (base == 16 && c >= 'a' && c <= 'f') {
      digit = c - 'a' + 10;
    } else if (base == 16 && c >= 'A' && c <= 'F') {
      digit = c - 'A' + 10;
    } else {
      return std::nullopt;
    }
    if (value > (UINT64_MAX - static_cast<uint64_t>(digit)) / static_cast<uint64_t>(base)) return std::nullopt;
    value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
  }
  return value;
}

}  // namespace kv
