#include "scene/my_stream.h"

#include <cerrno>
#include <cstring>

#include "base/error.h"
#include "scene/little_endian.h"

namespace kv {

TMyStream::TMyStream(const std::string& fileName) {
  file_ = std::fopen(fileName.c_str(), "rb");
  if (file_ == nullptr) {
    throw Error("Cannot open file \"" + fileName + "\". " + std::strerror(errno));
  }
  if (std::fseek(file_, 0, SEEK_END) == 0) {
    long end = std::ftell(file_);
    size_ = end > 0 ? end : 0;
  }
  if (std::fseek(file_, 0, SEEK_SET) != 0) {
    std::fclose(file_);
    file_ = nullptr;
    throw Error("Cannot open file \"" + fileName + "\". It is not a regular file.");
  }
}

TMyStream::~TMyStream() {
  if (file_ != nullptr) std::fclose(file_);
}

void TMyStream::ReadBuffer(void* buffer, int64_t n) {
  if (n < 0 || n > Remaining()) throw Error("Read beyond end of file");
  if (n == 0) return;
  if (std::fread(buffer, 1, static_cast<size_t>(n), file_) != static_cast<size_t>(n)) {
    throw Error("Read beyond end of file");
  }
  position_ += n;
}

int32_t TMyStream::ReadInteger() {
  uint8_t bytes[4];
  ReadBuffer(bytes, 4);
  return LoadLe32(bytes);
}

std::string TMyStream::ReadSignature() {
  std::string signature(8, '\0');
  ReadBuffer(signature.data(), 8);
  return signature;
}

void TMyStream::ReadToStream(std::vector<uint8_t>& stream, int64_t n) {
  if (n < 0 || n > Remaining()) throw Error("Read beyond end of file");
  stream.resize(static_cast<size_t>(n));
  ReadBuffer(stream.data(), n);
}

}  // namespace kv
