#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kv {

// The list of allowed transition effect numbers, read as comma text:
// commas and blanks (bytes 1..32) separate entries, two commas in a row give
// an empty entry, a trailing comma adds an empty entry, and an entry starting
// with '"' runs to the closing quote ('""' inside stands for one quote).
// Entries are kept as text; when the text yields none, the list is {"1"}.
std::vector<std::string> ParseAllowedEffects(std::string_view text);

}  // namespace kv
