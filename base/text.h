#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kv {

// ASCII upper/lower case; other bytes stay as they are.
std::string UpperCase(std::string_view text);
std::string LowerCase(std::string_view text);

// Comparison without regard to ASCII letter case.
bool SameText(std::string_view a, std::string_view b);

// Windows-1252 bytes to UTF-8, and back (characters outside 1252 become "?").
std::string Cp1252ToUtf8(std::string_view text);
std::string Utf8ToCp1252(std::string_view text);

// The name part of a path: what follows the last "\" or "/".
std::string NamePart(std::string_view path);

// Splits text into lines separated by CR LF, LF or CR. A final line break does
// not start another (empty) line.
std::vector<std::string> SplitLines(std::string_view text);

// Blanks and control characters removed from both ends.
std::string_view Trim(std::string_view text);

// A decimal 32-bit integer with an optional sign, nothing else; no value when
// the text is not one.
std::optional<int32_t> ParseInt32(std::string_view text);

// Reads a whole (small) text file; no value when it cannot be opened.
std::optional<std::string> ReadSmallFile(const std::string& path);

}  // namespace kv
