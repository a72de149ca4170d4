#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kv::tool {

// A small streaming JSON writer with two-space indentation. Texts are given
// as UTF-8 (convert Windows-1252 file texts with Cp1252ToUtf8 first).
class JsonWriter {
 public:
  JsonWriter& BeginObject();
  JsonWriter& EndObject();
  JsonWriter& BeginArray();
  JsonWriter& EndArray();
  JsonWriter& Key(std::string_view key);
  JsonWriter& String(std::string_view value);
  JsonWriter& Int(int64_t value);
  JsonWriter& Bool(bool value);
  JsonWriter& Null();

  // Shorthands for Key(k).Value(v).
  JsonWriter& Field(std::string_view key, std::string_view value) { return Key(key).String(value); }
  JsonWriter& Field(std::string_view key, const char* value) { return Key(key).String(value); }
  JsonWriter& Field(std::string_view key, const std::string& value) { return Key(key).String(value); }
  JsonWriter& Field(std::string_view key, int64_t value) { return Key(key).Int(value); }
  JsonWriter& Field(std::string_view key, int32_t value) { return Key(key).Int(value); }
  JsonWriter& Field(std::string_view key, bool value) { return Key(key).Bool(value); }

  // The document, ending in a line break.
  std::string Str() const { return out_ + "\n"; }

 private:
  void BeforeValue();
  void Newline();

  std::string out_;
  std::vector<bool> has_items_;  // one per open container
  bool after_key_ = false;
};

std::string JsonEscape(std::string_view text);

}  // namespace kv::tool
