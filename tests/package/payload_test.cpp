#include "package/payload.h"

#include <gtest/gtest.h>

#include "base/error.h"
#include "tests/package/pack_fixture.h"

namespace kv {
namespace {

using testing::Listing;
using testing::ReadFile;
using testing::TempDir;

class ExtractPayloadTest : public ::testing::Test {
 protected:
  void SetUp() override { std::filesystem::create_directory(dir_ / "ws"); }
  UnpackedPayload Unpack(const std::string& payload) {
    testing::WriteFile(dir_ / "Sea.scr", "program image" + payload);
    return ExtractPayload(dir_ / "Sea.scr", dir_ / "ws/");
  }
  TempDir dir_;
};

TEST_F(ExtractPayloadTest, WritesTheFourRecordsAndTheMediaByNamePart) {
  const auto result = Unpack(testing::Payload({"[FileList]\r\n", "", ""}, {"scenes\\Sea.KVP", "pics/b.jpg"},
                                              {"scene", "picture"}, "form"));
  EXPECT_EQ(Listing(dir_ / "ws"), (std::vector<std::string>{"KVC.res", "KVFilenames.res", "KVFiles.res",
                                                            "KVGUI.wui", "Sea.KVP", "b.jpg"}));
  EXPECT_EQ(ReadFile(dir_ / "ws/Sea.KVP"), "scene");
  EXPECT_EQ(ReadFile(dir_ / "ws/b.jpg"), "picture");
  EXPECT_EQ(ReadFile(dir_ / "ws/KVGUI.wui"), "form");
  EXPECT_EQ(result.media_lines, (std::vector<std::string>{"scenes\\Sea.KVP", "pics/b.jpg"}));
  EXPECT_EQ(result.written.size(), 6u);
}

TEST_F(ExtractPayloadTest, MoreLinesOrMoreRecordsGiveTheSmallerNumberOfFiles) {
  Unpack(testing::Payload({"", "", ""}, {"1", "2", "3"}, {"a", "b", "c", "d", "e"}));
  EXPECT_EQ(Listing(dir_ / "ws").size(), 4u + 3u);
  for (const char* name : {"1", "2", "3", "4", "5"}) std::filesystem::remove(dir_ / ("ws/" + std::string(name)));
  Unpack(testing::Payload({"", "", ""}, {"1", "2", "3", "4", "5"}, {"a", "b", "c"}));
  EXPECT_EQ(Listing(dir_ / "ws").size(), 4u + 3u);
  EXPECT_EQ(ReadFile(dir_ / "ws/3"), "c");
}

TEST_F(ExtractPayloadTest, UnsafeNamesAreSkippedAndNothingIsWrittenOutside) {
  Unpack(testing::Payload({"", "", ""}, {"..", "x\\", "..\\..\\evil.txt", ".", "ok.jpg"},
                          {"r1", "r2", "r3", "r4", "r5"}));
  EXPECT_EQ(ReadFile(dir_ / "ws/evil.txt"), "r3");
  EXPECT_EQ(ReadFile(dir_ / "ws/ok.jpg"), "r5");
  EXPECT_EQ(Listing(dir_.path()), (std::vector<std::string>{"Sea.scr", "ws"}));
  EXPECT_EQ(Listing(dir_ / "ws").size(), 4u + 2u);
}

TEST_F(ExtractPayloadTest, ShortPayloadsAndMissingPayload) {
  // Only the settings pack: no media list, no media.
  testing::WriteFile(dir_ / "one.scr", "image" + testing::Container({testing::Container({"", "", ""})}));
  const auto result = ExtractPayload(dir_ / "one.scr", dir_ / "ws/");
  EXPECT_TRUE(result.media_lines.empty());
  EXPECT_EQ(Listing(dir_ / "ws"), std::vector<std::string>{"KVC.res"});

  testing::WriteFile(dir_ / "plain.scr", "just a program");
  EXPECT_FALSE(HasPayload(dir_ / "plain.scr"));
  EXPECT_THROW(ExtractPayload(dir_ / "plain.scr", dir_ / "ws/"), Error);
}

}  // namespace
}  // namespace kv
