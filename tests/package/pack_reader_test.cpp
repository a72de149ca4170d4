#include "package/pack_reader.h"

#include <gtest/gtest.h>

#include "tests/package/pack_fixture.h"

namespace kv {
namespace {

using testing::Container;
using testing::kMarker;
using testing::Le32;
using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

PackStart Scan(const TempDir& dir, const std::string& bytes) {
  WriteFile(dir / "c.bin", bytes);
  return FindPackStart(dir / "c.bin");
}

struct ScanCase {
  const char* what;
  std::string bytes;
  bool found;
  int64_t offset;
  int32_t count;
};

TEST(FindPackStart, ScanWithRestart) {
  const std::string k = kMarker.substr(0, 1);
  const std::vector<ScanCase> cases = {
      {"at the start", kMarker + Le32(4), true, 13, 4},
      {"after other bytes", std::string(100, 'x') + kMarker + Le32(7), true, 113, 7},
      {"split across two blocks", std::string(995, 'x') + kMarker + Le32(2), true, 1008, 2},
      {"last byte ends the first block", std::string(988, 'x') + kMarker + Le32(3), true, 1001, 3},
      {"preceded by its own first byte", k + kMarker + Le32(1), false, 0, 0},
      {"own first byte, then a later marker", k + kMarker + "xx" + kMarker + Le32(9), true, 1 + 13 + 2 + 13, 9},
      {"breaking byte is not retried", kMarker.substr(0, 4) + kMarker + Le32(1), false, 0, 0},
      {"first complete marker wins", kMarker + Le32(1) + kMarker + Le32(2), true, 13, 1},
      {"no count after the marker", kMarker + "\x01", true, 13, 0},
      {"negative count", kMarker + Le32(-5), true, 13, -5},
      {"only part of the marker", std::string(50, 'x') + kMarker.substr(0, 12), false, 0, 0},
      {"empty file", "", false, 0, 0},
  };
  TempDir dir;
  for (const auto& c : cases) {
    const PackStart start = Scan(dir, c.bytes);
    EXPECT_EQ(start.found, c.found) << c.what;
    EXPECT_EQ(start.offset, c.offset) << c.what;
    EXPECT_EQ(start.count, c.count) << c.what;
  }
}

TEST(FindPackStart, MissingFileIsNotFound) { EXPECT_FALSE(FindPackStart("/nonexistent/kv/c.bin").found); }

class ExtractPackTest : public ::testing::Test {
 protected:
  ExtractResult Extract(const std::string& bytes, const std::vector<std::string>& names) {
    WriteFile(dir_ / "pack.bin", bytes);
    return ExtractPack(dir_ / "pack.bin", names);
  }
  std::string Name(int i) const { return dir_ / ("out" + std::to_string(i)); }
  TempDir dir_;
};

TEST_F(ExtractPackTest, RecordsOfChunkBoundarySizes) {
  const std::vector<std::string> records = {"", std::string(1001, 'a'), std::string(1002, 'b'), "xyz"};
  const auto result = Extract("program image" + Container(records), {Name(0), Name(1), Name(2), Name(3)});
  EXPECT_TRUE(result.found);
  EXPECT_EQ(result.count, 4);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(ReadFile(Name(i)), records[static_cast<size_t>(i)]) << i;
}

TEST_F(ExtractPackTest, FewerOrMoreRecordsThanNames) {
  Extract(Container({"1", "2"}), {Name(0), Name(1), Name(2)});
  EXPECT_EQ(ReadFile(Name(1)), "2");
  EXPECT_FALSE(testing::Exists(Name(2)));

  const auto result = Extract(Container({"a", "b", "c"}), {Name(5)});
  EXPECT_EQ(ReadFile(Name(5)), "a");
  EXPECT_EQ(result.written, std::vector<std::string>{Name(5)});
}

TEST_F(ExtractPackTest, NoMarkerOrNoRecordsWritesNothing) {
  for (const std::string& bytes : {std::string("no marker here"), kMarker + Le32(0), kMarker + Le32(-1)}) {
    const auto result = Extract(bytes, {Name(0)});
    EXPECT_TRUE(result.written.empty());
    EXPECT_FALSE(testing::Exists(Name(0)));
  }
}

TEST_F(ExtractPackTest, RecordCutShortByTheEndOfTheFile) {
  // Count 3, record 1 claims 10 bytes but only 4 follow.
  const auto result = Extract(kMarker + Le32(3) + Le32(10) + "abcd", {Name(0), Name(1), Name(2), Name(3)});
  EXPECT_EQ(ReadFile(Name(0)), "abcd");
  EXPECT_EQ(ReadFile(Name(1)), "");
  EXPECT_EQ(ReadFile(Name(2)), "");
  EXPECT_FALSE(testing::Exists(Name(3)));
  EXPECT_EQ(result.written.size(), 3u);
}

TEST_F(ExtractPackTest, SkippedOrUncreatableTargetsStillConsumeTheirRecord) {
  const std::string bad = dir_ / "missing-folder/x";
  const auto result = Extract(Container({"first", "second", "third"}), {"", bad, Name(2)});
  EXPECT_EQ(ReadFile(Name(2)), "third");
  EXPECT_EQ(result.failed, std::vector<std::string>{bad});
  EXPECT_EQ(result.written, std::vector<std::string>{Name(2)});
}

TEST_F(ExtractPackTest, OverwritesFilesButNotThroughSymlinks) {
  WriteFile(Name(0), "an old and longer content");
  WriteFile(dir_ / "victim", "keep");
  std::filesystem::create_symlink(dir_ / "victim", Name(1));
  const auto result = Extract(Container({"new", "evil"}), {Name(0), Name(1)});
  EXPECT_EQ(ReadFile(Name(0)), "new");
  EXPECT_EQ(ReadFile(dir_ / "victim"), "keep");
  EXPECT_EQ(result.failed, std::vector<std::string>{Name(1)});
}

}  // namespace
}  // namespace kv
