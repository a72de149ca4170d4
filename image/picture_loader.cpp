#include "image/picture_loader.h"

#include <cstdio>
#include <vector>

#include "base/error.h"
#include "base/text.h"
#include "image/bmp_codec.h"
#include "image/gif_decoder.h"
#include "image/jpeg_codec.h"
#include "image/png_codec.h"

namespace kv {
namespace {

// Largest picture file read into memory.
constexpr long kMaxFileBytes = 256L << 20;

std::vector<uint8_t> ReadWholeFile(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) throw Error("Cannot open file \"" + path + "\"");
  std::vector<uint8_t> bytes;
  long size = -1;
  if (std::fseek(file, 0, SEEK_END) == 0) size = std::ftell(file);
  if (size < 0 || size > kMaxFileBytes || std::fseek(file, 0, SEEK_SET) != 0) {
    std::fclose(file);
    throw Error(size > kMaxFileBytes ? "Picture file too large: " + path : "Cannot read file \"" + path + "\"");
  }
  bytes.resize(static_cast<size_t>(size));
  const bool ok = std::fread(bytes.data(), 1, bytes.size(), file) == bytes.size();
  std::fclose(file);
  if (!ok) throw Error("Cannot read file \"" + path + "\"");
  return bytes;
}

std::string Extension(const std::string& path) {
  const std::string name = NamePart(path);
  const size_t dot = name.rfind('.');
  return dot == std::string::npos ? std::string() : LowerCase(name.substr(dot));
}

}  // namespace

Bitmap32 LoadPicture(const std::string& path) {
  const std::string ext = Extension(path);
  const bool jpeg = ext == ".jpg" || ext == ".jpeg" || ext == ".jpe" || ext == ".jfif";
  const bool gif = ext == ".gif";
  const bool bmp = ext == ".bmp" || ext == ".dib";
  const bool png = ext == ".png";
  if (!jpeg && !gif && !bmp && !png) {
    throw Error("Unsupported picture format \"" + (ext.empty() ? std::string("(none)") : ext) + "\": " + path);
  }
  const std::vector<uint8_t> bytes = ReadWholeFile(path);
  if (jpeg) {
    Bitmap32 out;
    DecodeJpeg(bytes, out);
    return out;
  }
  if (gif) return DecodeGif(bytes.data(), bytes.size());
  if (bmp) return DecodeBmp(bytes.data(), bytes.size());
  return DecodePng(bytes.data(), bytes.size());
}

}  // namespace kv
