#include "package/pack_writer.h"

#include <gtest/gtest.h>

#include "package/pack_marker.h"
#include "package/pack_reader.h"
#include "tests/package/pack_fixture.h"

namespace kv {
namespace {

TEST(PackMarker, IsTheFixedThirteenBytes) {
  const PackMarkerBytes marker = PackMarker();
  EXPECT_EQ(std::string(marker.begin(), marker.end()), testing::kMarker);
}

TEST(PackWriter, MatchesTheIndependentWriterAndReadsBack) {
  const std::vector<std::string> records = {"", "one", std::string(3000, '\xFF')};
  EXPECT_EQ(PackBytes(records), testing::Container(records));

  testing::TempDir dir;
  std::string file = "leading bytes";
  WritePack(file, records);
  testing::WriteFile(dir / "p", file);
  const auto result = ExtractPack(dir / "p", {dir / "0", dir / "1", dir / "2"});
  EXPECT_EQ(result.count, 3);
  for (size_t i = 0; i < records.size(); ++i) EXPECT_EQ(testing::ReadFile(dir / std::to_string(i)), records[i]);
}

}  // namespace
}  // namespace kv
