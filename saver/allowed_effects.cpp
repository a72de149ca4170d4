#include "saver/allowed_effects.h"

namespace kv {
namespace {

bool IsBlank(char c) {
  const auto b = static_cast<unsigned char>(c);
  return b >= 1 && b <= ' ';
}

// A quoted entry starting at text[i] == '"'; moves i past the closing quote.
std::string ReadQuoted(std::string_view text, size_t& i) {
  std::string entry;
  ++i;
  while (i < text.size()) {
    if (text[i] == '"') {
      if (i + 1 < text.size() && text[i + 1] == '"') {
        entry += '"';
        i += 2;
        continue;
      }
      ++i;
      break;
    }
    entry += text[i++];
  }
  return entry;
}

}  // namespace

std::vector<std::string> ParseAllowedEffects(std::string_view text) {
  // A NUL ends the text, as it would a C string.
  if (const size_t nul = text.find('\0'); nul != std::string_view::npos) text = text.substr(0, nul);
  std::vector<std::string> entries;
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  while (i < text.size()) {
    if (text[i] == '"') {
      entries.push_back(ReadQuoted(text, i));
    } else {
      const size_t start = i;
      while (i < text.size() && !IsBlank(text[i]) && text[i] != ',') ++i;
      entries.emplace_back(text.substr(start, i - start));
    }
    while (i < text.size() && IsBlank(text[i])) ++i;
    if (i < text.size() && text[i] == ',') {
      if (i + 1 == text.size()) entries.emplace_back();
      do {
        ++i;
      } while (i < text.size() && IsBlank(text[i]));
    }
  }
  if (entries.empty()) entries.emplace_back("1");
  return entries;
}

}  // namespace kv
