// The first byte picks the decoder; the rest is the picture file.
#include <cstddef>
#include <cstdint>

#include "base/error.h"
#include "image/bmp_codec.h"
#include "image/gif_decoder.h"
#include "image/jpeg_codec.h"
#include "image/png_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const uint8_t* picture = data + 1;
  const size_t n = size - 1;
  try {
    switch (data[0] % 4) {
      case 0: kv::DecodeBmp(picture, n); break;
      case 1: kv::DecodeGif(picture, n); break;
      case 2: kv::DecodePng(picture, n); break;
      default: {
        kv::Bitmap32 out;
        kv::DecodeJpeg(picture, n, out);
      }
    }
  } catch (const kv::Error&) {
  }
  return 0;
}
