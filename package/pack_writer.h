#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kv {

// A container of the given records: the marker, the record count, then each
// record's size and bytes (integers 32-bit little-endian). Throws kv::Error
// when a record or the count does not fit below 2^31.
std::string PackBytes(const std::vector<std::string>& records);

// Appends PackBytes(records) to out.
void WritePack(std::string& out, const std::vector<std::string>& records);

}  // namespace kv
