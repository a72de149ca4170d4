#include "package/pack_writer.h"

#include <cstdint>
#include <limits>

#include "base/error.h"
#include "package/pack_marker.h"

namespace kv {
namespace {

void AppendInt32(std::string& out, size_t value) {
  if (value > static_cast<size_t>(std::numeric_limits<int32_t>::max()))
    throw Error("Pack record too large: " + std::to_string(value) + " bytes");
  const auto v = static_cast<uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>((v >> shift) & 0xFF));
}

}  // namespace

void WritePack(std::string& out, const std::vector<std::string>& records) {
  const PackMarkerBytes marker = PackMarker();
  out.append(reinterpret_cast<const char*>(marker.data()), marker.size());
  AppendInt32(out, records.size());
  for (const auto& record : records) {
    AppendInt32(out, record.size());
    out += record;
  }
}

std::string PackBytes(const std::vector<std::string>& records) {
  std::string out;
  WritePack(out, records);
  return out;
}

}  // namespace kv
