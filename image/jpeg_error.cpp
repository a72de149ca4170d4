#include "image/jpeg_error.h"

#include <cstddef>
#include <cstdio>
#include <iterator>

#include <jpeglib.h>

namespace kv {
namespace {

// The decoder's message table, in message-number order. The two
// informational entries name texts the public headers do not define.
#ifndef JCOPYRIGHT_SHORT
#define JCOPYRIGHT_SHORT nullptr
#endif
#ifndef JVERSION
#define JVERSION nullptr
#endif
const char* const kMessages[] = {
#define JMESSAGE(code, string) string,
#include <jerror.h>
#undef JMESSAGE
};

// Does `text` read as `format` with its printf conversions filled in? A
// conversion matches one or more characters up to the next literal.
bool MatchesFormat(std::string_view format, std::string_view text) {
  if (format.empty()) return text.empty();
  if (format[0] == '%' && format.size() > 1 && format[1] == '%') {
    return !text.empty() && text[0] == '%' && MatchesFormat(format.substr(2), text.substr(1));
  }
  if (format[0] == '%') {
    size_t end = 1;
    while (end < format.size() && std::string_view("0123456789.-+ #lhz").find(format[end]) != std::string_view::npos) {
      ++end;
    }
    if (end >= format.size()) return false;
    std::string_view rest = format.substr(end + 1);
    for (size_t taken = 1; taken <= text.size(); ++taken) {
      if (MatchesFormat(rest, text.substr(taken))) return true;
    }
    return false;
  }
  return !text.empty() && text[0] == format[0] && MatchesFormat(format.substr(1), text.substr(1));
}

}  // namespace

int32_t JpegMessageCode(std::string_view message) {
  for (size_t code = 1; code < std::size(kMessages); ++code) {
    if (kMessages[code] != nullptr && MatchesFormat(kMessages[code], message)) {
      return static_cast<int32_t>(code);
    }
  }
  return -1;
}

std::string JpegErrorText(int32_t code) { return "JPEG error #" + std::to_string(code); }

}  // namespace kv
