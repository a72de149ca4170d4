#include "scene/file_loader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "base/error.h"
#include "scene/area_colors.h"
#include "scene/area_mask.h"
#include "scene/my_stream.h"
#include "tests/scene/scene_fixture.h"

namespace kv {
namespace {

std::string ErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const Error& e) {
    return e.what();
  }
  return "";
}

TEST(FileLoader, ReadsEveryItemAndTail) {
  SceneFileData d = test::SmallScene();
  TWaveParam a;
  a.Amplitude = 5;
  a.Direction = -7;
  a.Horizontal = 2;
  a.Period = 360;
  a.Reflection = 1;
  d.Areas = {a, TWaveParam{}};
  d.Weather = {2, 500, 10, 80, 15, 0};
  d.LegacySound = "old.wav";
  d.Sounds[0] = {"rain.wav", 1, 2, 9};
  d.TrailerText = "end";
  TFileLoader loader;
  loader.Read(test::WriteTemp(d, "all.kvp"));
  EXPECT_EQ(loader.Title(), "Sea");
  EXPECT_EQ(loader.Note(), "note");
  EXPECT_EQ(loader.LegacySound(), "old.wav");
  EXPECT_EQ(loader.TrailerText(), "end");
  std::array<TWaveParam, 4> areas;
  loader.GetWaterAreas(areas);
  EXPECT_EQ(areas[0], a);
  EXPECT_EQ(areas[2], TWaveParam{});
  TWeatherParam w;
  loader.GetWeather(w);
  EXPECT_EQ(w, d.Weather);
  TSoundSlots slots;
  loader.GetSounds(slots);
  EXPECT_EQ(slots[0], d.Sounds[0]);
  EXPECT_EQ(UsedSoundSlots(slots), 1);
  Bitmap32 bg;
  loader.GetBackground(bg);
  EXPECT_EQ(bg.Width(), 8);
  EXPECT_EQ(bg.Height(), 4);
  EXPECT_EQ(bg.Pixel(0, 0) >> 24, 0xFFu);
}

TEST(FileLoader, TailLayouts) {
  SceneFileData d = test::SmallScene();
  d.Sounds[0] = {"a.wav", 0, 0, 0};
  d.TrailerText = "t";
  for (auto tail : {SceneFileData::Tail::None, SceneFileData::Tail::SlotsOnly, SceneFileData::Tail::Full}) {
    d.TailLayout = tail;
    TFileLoader loader;
    loader.Read(test::WriteTemp(d, "tail.kvp"));
    TSoundSlots slots;
    loader.GetSounds(slots);
    EXPECT_EQ(UsedSoundSlots(slots), tail == SceneFileData::Tail::None ? 0 : 1);
    EXPECT_EQ(loader.TrailerText(), tail == SceneFileData::Tail::Full ? "t" : "");
  }
}

TEST(FileLoader, ShortTailKeepsWholeSlotsAndSucceeds) {
  SceneFileData d = test::SmallScene();
  d.Sounds[0] = {"a.wav", 2, 3, 4};
  d.Sounds[1] = {"b.wav", 0, 0, 0};
  std::vector<uint8_t> bytes = SceneFileBytes(d);
  const size_t headLength = bytes.size() - 8 * 268 - 4;
  bytes.resize(headLength + 268 + 10);  // one slot and a bit of the next
  const std::string path = test::WriteTemp(test::SmallScene(), "shorttail.kvp");
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                              static_cast<std::streamsize>(bytes.size()));
  TFileLoader loader;
  loader.Read(path);
  TSoundSlots slots;
  loader.GetSounds(slots);
  EXPECT_EQ(slots[0], d.Sounds[0]);
  EXPECT_EQ(slots[1].FileName, "b.wav");  // the bytes that were there
  EXPECT_EQ(slots[1].PlayMode, 0);
}

TEST(FileLoader, Errors) {
  struct Case {
    const char* name;
    std::function<void(SceneFileData&)> change;
    const char* message;
  };
  const std::vector<Case> cases = {
      {"signature case", [](SceneFileData& d) { d.Signature = "kv060697"; }, "Incorrect Project File!"},
      {"five areas", [](SceneFileData& d) { d.Areas.resize(5); }, "Damaged scene file: 5 water areas (0 to 4 allowed)"},
      {"one mask word", [](SceneFileData& d) { d.MaskWords = {8}; },
       "Damaged scene file: 1 area mask words (at least 2)"},
  };
  for (const Case& c : cases) {
    SceneFileData d = test::SmallScene();
    c.change(d);
    const std::string path = test::WriteTemp(d, "err.kvp");
    EXPECT_EQ(ErrorOf([&] { TFileLoader().Read(path); }), c.message) << c.name;
  }
}

TEST(FileLoader, TruncatedFilesFailWithoutAllocating) {
  const std::vector<uint8_t> bytes = SceneFileBytes(test::SmallScene());
  const size_t headEnd = bytes.size() - 8 * 268 - 4;
  const std::string path = test::WriteTemp(test::SmallScene(), "trunc.kvp");
  for (size_t cut : {size_t{0}, size_t{7}, size_t{12}, size_t{40}, headEnd - 1}) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(cut));
    EXPECT_EQ(ErrorOf([&] { TFileLoader().Read(path); }), "Read beyond end of file") << cut;
  }
  // A length far beyond the file is refused before anything is allocated.
  std::vector<uint8_t> huge(bytes.begin(), bytes.begin() + 8);
  huge.insert(huge.end(), {0xFF, 0xFF, 0xFF, 0x7F});
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(huge.data()), static_cast<std::streamsize>(huge.size()));
  EXPECT_EQ(ErrorOf([&] { TFileLoader().Read(path); }), "Read beyond end of file");
  EXPECT_NE(ErrorOf([&] { TMyStream("/nonexistent/x.kvp"); }), "");
}

TEST(FileLoader, ReadHeaderStopsAfterPreview) {
  SceneFileData d = test::SmallScene();
  std::vector<uint8_t> bytes = SceneFileBytes(d);
  const size_t previewEnd = 8 + 4 + 3 + 4 + 4 + 4 + d.PreviewJpeg.size();
  bytes.resize(previewEnd + 4);
  for (size_t i = 0; i < 4; ++i) bytes[previewEnd + i] = 0xFF;  // area count -1
  const std::string path = test::WriteTemp(d, "header.kvp");
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  TFileLoader loader;
  loader.ReadHeader(path);
  Bitmap32 preview;
  loader.GetPreview(preview);
  EXPECT_EQ(preview.Width(), 4);
  EXPECT_EQ(ErrorOf([&] { TFileLoader().Read(path); }), "Damaged scene file: -1 water areas (0 to 4 allowed)");
}

TEST(AreaMask, RunsCrossRowsAndOddIndices) {
  // 3 x 2: 21 = two of area 1, 9 = nothing, 25 = two of index 5 (no area), 22 = two of area 2.
  Bitmap32 mask;
  DecodeAreaMask({3, 2, 21, 9, 25, 22}, mask);
  const std::vector<uint32_t> expected = {AreaColors[1], AreaColors[1], 0, 0, AreaColors[2], AreaColors[2]};
  ASSERT_EQ(mask.Width(), 3);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(mask.Pixel(i % 3, i / 3), expected[static_cast<size_t>(i)]) << i;
  DecodeAreaMask({3, 1, 35}, mask);
  for (int x = 0; x < 3; ++x) EXPECT_EQ(mask.Pixel(x, 0), 0u);
  DecodeAreaMask({3, 2}, mask);
  EXPECT_EQ(mask.Pixel(2, 1), 0u);
}

TEST(AreaMask, Errors) {
  Bitmap32 mask;
  EXPECT_EQ(ErrorOf([&] { DecodeAreaMask({3, 2, 71}, mask); }), "Scan line index out of range");
  EXPECT_EQ(ErrorOf([&] { DecodeAreaMask({3, 0, 11}, mask); }), "Scan line index out of range");
  EXPECT_EQ(ErrorOf([&] { DecodeAreaMask({3, 2, -10}, mask); }), "Damaged scene file: negative area mask run");
  EXPECT_EQ(ErrorOf([&] { DecodeAreaMask({-3, 2}, mask); }), "Damaged scene file: negative area mask size");
  EXPECT_EQ(ErrorOf([&] { DecodeAreaMask({100000, 100000}, mask); }), "Damaged scene file: area mask too large");
}

TEST(AreaMask, EncodeRoundTrip) {
  Bitmap32 mask(5, 3, 0);
  mask.SetPixel(4, 0, AreaColors[3] | 0xFF000000u);  // alpha ignored
  mask.SetPixel(0, 1, AreaColors[3]);
  mask.SetPixel(2, 2, AreaColors[4]);
  const std::vector<int32_t> words = EncodeAreaMask(mask);
  EXPECT_EQ(words, (std::vector<int32_t>{5, 3, 40, 23, 60, 14}));
  Bitmap32 back;
  DecodeAreaMask(words, back);
  EXPECT_EQ(back.Pixel(4, 0), AreaColors[3]);
  EXPECT_EQ(back.Pixel(2, 2), AreaColors[4]);
  mask.SetPixel(1, 1, 0x123456);
  EXPECT_NE(ErrorOf([&] { EncodeAreaMask(mask); }).find("(1, 1)"), std::string::npos);
}

}  // namespace
}  // namespace kv
