#include "image/gif_decoder.h"

#include <gif_lib.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "base/error.h"
#include "image/jpeg_codec.h"

namespace kv {
namespace {

[[noreturn]] void Fail(const std::string& what) { throw Error("GIF: " + what); }

struct Source {
  const uint8_t* data;
  size_t size;
  size_t pos;
};

int ReadFromMemory(GifFileType* gif, GifByteType* buffer, int n) {
  auto* source = static_cast<Source*>(gif->UserData);
  const size_t take = std::min(static_cast<size_t>(n < 0 ? 0 : n), source->size - source->pos);
  std::memcpy(buffer, source->data + source->pos, take);
  source->pos += take;
  return static_cast<int>(take);
}

struct GifCloser {
  void operator()(GifFileType* gif) const {
    int error = 0;
    DGifCloseFile(gif, &error);
  }
};

uint32_t ColorOf(const ColorMapObject* map, int index) {
  if (map == nullptr || index < 0 || index >= map->ColorCount) return 0xFF000000u;
  const GifColorType& c = map->Colors[index];
  return 0xFF000000u | (uint32_t{c.Red} << 16) | (uint32_t{c.Green} << 8) | c.Blue;
}

}  // namespace

Bitmap32 DecodeGif(const uint8_t* data, size_t size) {
  Source source{data, size, 0};
  int error = 0;
  std::unique_ptr<GifFileType, GifCloser> gif(DGifOpen(&source, ReadFromMemory, &error));
  if (!gif) Fail(GifErrorString(error) ? GifErrorString(error) : "not a GIF file");

  int transparent = -1;
  for (;;) {
    GifRecordType record;
    if (DGifGetRecordType(gif.get(), &record) == GIF_ERROR) Fail(GifErrorString(gif->Error));
    if (record == TERMINATE_RECORD_TYPE) Fail("no picture in the file");
    if (record == EXTENSION_RECORD_TYPE) {
      int code = 0;
      GifByteType* block = nullptr;
      if (DGifGetExtension(gif.get(), &code, &block) == GIF_ERROR) Fail(GifErrorString(gif->Error));
      if (code == GRAPHICS_EXT_FUNC_CODE && block != nullptr && block[0] >= 4 && (block[1] & 1) != 0) {
        transparent = block[4];
      }
      while (block != nullptr) {
        if (DGifGetExtensionNext(gif.get(), &block) == GIF_ERROR) Fail(GifErrorString(gif->Error));
      }
      continue;
    }
    if (record != IMAGE_DESC_RECORD_TYPE) continue;

    if (DGifGetImageDesc(gif.get()) == GIF_ERROR) Fail(GifErrorString(gif->Error));
    const GifImageDesc& frame = gif->Image;
    if (frame.Width <= 0 || frame.Height <= 0 || frame.Left < 0 || frame.Top < 0) Fail("bad frame size");
    int32_t width = gif->SWidth;
    int32_t height = gif->SHeight;
    if (width <= 0 || height <= 0) {
      width = frame.Left + frame.Width;
      height = frame.Top + frame.Height;
    }
    if (static_cast<int64_t>(width) * height > kMaxPicturePixels ||
        static_cast<int64_t>(frame.Width) * frame.Height > kMaxPicturePixels) {
      Fail("picture too large");
    }
    const ColorMapObject* map = frame.ColorMap != nullptr ? frame.ColorMap : gif->SColorMap;
    const uint32_t background = ColorOf(gif->SColorMap, gif->SBackGroundColor);
    Bitmap32 out(width, height, background);

    std::vector<GifPixelType> line(static_cast<size_t>(frame.Width));
    // Interlaced frames store rows in four passes.
    std::vector<int32_t> order;
    order.reserve(static_cast<size_t>(frame.Height));
    if (frame.Interlace) {
      const int starts[] = {0, 4, 2, 1};
      const int steps[] = {8, 8, 4, 2};
      for (int pass = 0; pass < 4; ++pass) {
        for (int32_t y = starts[pass]; y < frame.Height; y += steps[pass]) order.push_back(y);
      }
    } else {
      for (int32_t y = 0; y < frame.Height; ++y) order.push_back(y);
    }
    for (int32_t y : order) {
      if (DGifGetLine(gif.get(), line.data(), frame.Width) == GIF_ERROR) Fail(GifErrorString(gif->Error));
      const int32_t row = frame.Top + y;
      if (row >= height) continue;
      uint32_t* dst = out.Row(row);
      for (int32_t x = 0; x < frame.Width && frame.Left + x < width; ++x) {
        const int index = line[static_cast<size_t>(x)];
        dst[frame.Left + x] = index == transparent ? background : ColorOf(map, index);
      }
    }
    return out;
  }
}

}  // namespace kv
