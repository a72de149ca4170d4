#include "package/long_path.h"

#include <gtest/gtest.h>

#include "package/case_lookup.h"
#include "tests/package/pack_fixture.h"

namespace kv {
namespace {

TEST(LongPath, CanonicalPathOfAnExistingFile) {
  testing::TempDir dir;
  std::filesystem::create_directory(dir / "sub");
  testing::WriteFile(dir / "sub/Sea Scenes.scr", "x");
  std::filesystem::create_symlink(dir / "sub/Sea Scenes.scr", dir / "link.scr");
  const std::string canonical = std::filesystem::canonical(dir / "sub/Sea Scenes.scr").string();

  EXPECT_EQ(LongPath(dir / "sub/../sub/./Sea Scenes.scr"), canonical);
  EXPECT_EQ(LongPath(dir / "link.scr"), canonical);
  for (const std::string& bad : {dir / "sub/*.scr", dir / "sub/Sea?Scenes.scr", dir / "sub/missing.scr",
                                 dir / "sub", std::string()}) {
    EXPECT_EQ(LongPath(bad), "") << bad;
  }
}

TEST(FindFileNoCase, ExactNameFirstThenWithoutCase) {
  testing::TempDir dir;
  testing::WriteFile(dir / "Sea.KVP", "a");
  testing::WriteFile(dir / "sea.kvp", "b");
  testing::WriteFile(dir / "Rain.JPG", "c");
  EXPECT_EQ(FindFileNoCase(dir.path(), "sea.kvp"), dir / "sea.kvp");
  EXPECT_EQ(FindFileNoCase(dir.path(), "SEA.KVP"), dir / "Sea.KVP");
  EXPECT_EQ(FindFileNoCase(dir.path(), "rain.jpg"), dir / "Rain.JPG");
  EXPECT_EQ(FindFileNoCase(dir.path(), "snow.jpg"), std::nullopt);
  EXPECT_EQ(FindFileNoCase(dir.path(), "x/rain.jpg"), std::nullopt);
  EXPECT_EQ(FindFileNoCase(dir / "nowhere/", "rain.jpg"), std::nullopt);
}

}  // namespace
}  // namespace kv
