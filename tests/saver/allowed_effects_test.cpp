#include "saver/allowed_effects.h"

#include <gtest/gtest.h>

#include "saver/music_playlist.h"

namespace kv {
namespace {

using List = std::vector<std::string>;

TEST(AllowedEffectsTest, CommaTextRules) {
  const struct {
    const char* text;
    List expected;
  } cases[] = {
      {"", {"1"}},
      {"   ", {"1"}},
      {"130", {"130"}},
      {"1,2,3", {"1", "2", "3"}},
      {"1, 2  3", {"1", "2", "3"}},
      {"1,,2", {"1", "", "2"}},
      {"1,", {"1", ""}},
      {",5", {"", "5"}},
      {"\"7\",x", {"7", "x"}},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseAllowedEffects(c.text), c.expected) << c.text;
}

TEST(MusicFilesTest, EmptyPiecesDroppedAndBareNamesGoToTheWorkspace) {
  EXPECT_EQ(BuildMusicFiles("a.mid;;b.wav", "/ws/"), (List{"/ws/a.mid", "/ws/b.wav"}));
  EXPECT_EQ(BuildMusicFiles("C:\\m\\a.mid;/srv/b.ogg;", "/ws/"), (List{"C:\\m\\a.mid", "/srv/b.ogg"}));
  EXPECT_TRUE(BuildMusicFiles(";;", "/ws/").empty());
}

}  // namespace
}  // namespace kv
