#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace kv {

// A scene file opened for reading as a stream of bytes. Every read is exact:
// fewer bytes left than asked for raises kv::Error("Read beyond end of file")
// without reading (or allocating) anything.
class TMyStream {
 public:
  // Raises kv::Error when the file cannot be opened.
  explicit TMyStream(const std::string& fileName);
  ~TMyStream();
  TMyStream(const TMyStream&) = delete;
  TMyStream& operator=(const TMyStream&) = delete;

  void ReadBuffer(void* buffer, int64_t n);
  int32_t ReadInteger();
  // The next 8 bytes as a text.
  std::string ReadSignature();
  // Replaces `stream` with exactly n bytes of the file (n checked first).
  void ReadToStream(std::vector<uint8_t>& stream, int64_t n);

  int64_t Position() const { return position_; }
  int64_t Size() const { return size_; }
  int64_t Remaining() const { return size_ - position_; }

 private:
  std::FILE* file_ = nullptr;
  int64_t size_ = 0;
  int64_t position_ = 0;
};

}  // namespace kv
