#include "scene/project.h"

#include <gtest/gtest.h>

#include "base/message_box.h"
#include "tests/scene/scene_fixture.h"

namespace kv {
namespace {

class RecordingBox : public MessageBox {
 public:
  void Show(const std::string& text) override { texts.push_back(text); }
  std::vector<std::string> texts;
};

TEST(Project, LoadsPicturesMaskAndRecords) {
  SceneFileData d = test::SmallScene();
  d.Areas = {TWaveParam{}};
  d.Areas[0].Amplitude = 4;
  TProject p;
  ASSERT_TRUE(p.LoadFromFile(test::WriteTemp(d, "p1.kvp"))) << p.LastError();
  EXPECT_EQ(p.Background.Width(), 8);
  EXPECT_EQ(p.PreviewPicture.Width(), 4);
  EXPECT_EQ(p.AreaMask.Pixel(7, 0), AreaColors[1]);
  EXPECT_EQ(p.AreaMask.Pixel(0, 1), 0u);
  EXPECT_EQ(p.WaveArea(0).Amplitude, 4);
  EXPECT_EQ(p.Title, "Sea");
  EXPECT_EQ(p.SpeedPercent, 100);
}

TEST(Project, DefaultOpacity) {
  for (auto [kind, stored, expected] : {std::tuple{1, 0, 9}, {2, 0, 6}, {0, 0, 0}, {1, 3, 3}, {3, 0, 0}}) {
    SceneFileData d = test::SmallScene();
    d.Weather.Kind = kind;
    d.Weather.Opacity = stored;
    TProject p;
    ASSERT_TRUE(p.LoadFromFile(test::WriteTemp(d, "op.kvp")));
    EXPECT_EQ(p.Weather.Opacity, expected) << kind;
  }
}

TEST(Project, LegacySound) {
  struct Case {
    int tailSounds;
    std::string legacy;
    int count;
  };
  const std::string longName(300, 'x');
  for (const Case& c : std::vector<Case>{{0, "old.wav", 1}, {0, "<no Sound>", 0}, {3, "old.wav", 4}, {8, "old.wav", 8},
                                         {0, longName, 1}, {0, "", 0}}) {
    SceneFileData d = test::SmallScene();
    d.TailLayout = c.tailSounds == 0 ? SceneFileData::Tail::None : SceneFileData::Tail::Full;
    for (int i = 0; i < c.tailSounds; ++i) d.Sounds[static_cast<size_t>(i)] = {"s.wav", 2, 5, 6};
    d.LegacySound = c.legacy;
    TProject p;
    ASSERT_TRUE(p.LoadFromFile(test::WriteTemp(d, "legacy.kvp")));
    EXPECT_EQ(p.SoundCount(), c.count) << c.legacy;
    if (c.count > c.tailSounds) {
      const TSoundRecord& slot = p.Sounds[static_cast<size_t>(c.tailSounds)];
      EXPECT_EQ(slot.FileName, c.legacy.substr(0, 255));
      EXPECT_EQ(slot.PlayMode, 0);
    }
    if (c.tailSounds == 8) {
      EXPECT_EQ(p.Sounds[7].FileName, "s.wav");
    }
  }
}

TEST(Project, FailedLoadEmptiesPicturesKeepsTexts) {
  SceneFileData d = test::SmallScene();
  d.Sounds[0] = {"a.wav", 0, 0, 0};
  d.Weather.Kind = 1;
  TProject p;
  ASSERT_TRUE(p.LoadFromFile(test::WriteTemp(d, "good.kvp")));
  const std::string name = p.SceneFileName;
  SceneFileData bad = test::SmallScene();
  bad.Title = "Other";
  bad.BackgroundJpeg = {1, 2, 3};
  EXPECT_FALSE(p.LoadFromFile(test::WriteTemp(bad, "badjpeg.kvp")));
  EXPECT_EQ(p.LastError(), "JPEG error #53");
  EXPECT_TRUE(p.Background.Empty());
  EXPECT_TRUE(p.AreaMask.Empty());
  EXPECT_TRUE(p.PreviewPicture.Empty());
  EXPECT_EQ(p.Weather, TWeatherParam{});
  EXPECT_EQ(p.Title, "Sea");
  EXPECT_EQ(p.SceneFileName, name);
  EXPECT_EQ(p.SoundCount(), 1);

  SceneFileData overrun = test::SmallScene();
  overrun.MaskWords = {8, 4, 330};
  EXPECT_FALSE(p.LoadFromFile(test::WriteTemp(overrun, "overrun.kvp")));
  EXPECT_EQ(p.LastError(), "Scan line index out of range");
  SceneFileData otherSize = test::SmallScene();
  otherSize.MaskWords = {4, 4};
  EXPECT_FALSE(p.LoadFromFile(test::WriteTemp(otherSize, "size.kvp")));
  EXPECT_EQ(p.LastError(), "Damaged scene file: the area mask is 4 x 4, the background 8 x 4");
  EXPECT_FALSE(p.LoadFromFile("/nonexistent/scene.kvp"));
}

TEST(Project, SecondLoadReplacesSounds) {
  SceneFileData first = test::SmallScene();
  first.Sounds[0] = {"a.wav", 0, 0, 0};
  SceneFileData second = test::SmallScene();
  second.TailLayout = SceneFileData::Tail::None;
  TProject p;
  ASSERT_TRUE(p.LoadFromFile(test::WriteTemp(first, "first.kvp")));
  ASSERT_TRUE(p.LoadFromFile(test::WriteTemp(second, "second.kvp")));
  EXPECT_EQ(p.SoundCount(), 0);
}

TEST(Project, LoadPreviewShowsErrorBox) {
  RecordingBox box;
  SetMessages(&box);
  SceneFileData d = test::SmallScene();
  d.Signature = "KV060698";
  const std::string path = test::WriteTemp(d, "prev.kvp");
  TProject p;
  EXPECT_FALSE(p.LoadPreview(path));
  SceneFileData good = test::SmallScene();
  good.MaskWords = {-1};  // damage after the preview does not matter
  EXPECT_TRUE(p.LoadPreview(test::WriteTemp(good, "prevok.kvp")));
  SetMessages(nullptr);
  ASSERT_EQ(box.texts.size(), 1u);
  EXPECT_EQ(box.texts[0], "File: " + path + "\r\nIncorrect Project File!");
  EXPECT_EQ(p.PreviewPicture.Width(), 4);
  EXPECT_EQ(p.Title, "Sea");
}

}  // namespace
}  // namespace kv
