#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kv {

// The decoder's message number for one of its formatted message texts, or
// -1 when the text is none of its messages.
int32_t JpegMessageCode(std::string_view message);

// "JPEG error #N".
std::string JpegErrorText(int32_t code);

}  // namespace kv
