// Runs the real kvsaver and kvtool binaries on packed fixtures.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>

#include "package/pack_reader.h"
#include "tests/package/pack_fixture.h"

namespace kv {
namespace {

using testing::Exists;
using testing::Listing;
using testing::TempDir;

std::string BuildDir() {
  const char* dir = std::getenv("KV_BUILD_DIR");
  return dir ? dir : ".";
}

class KvsaverTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directory(dir_ / "run");
    ::chmod((dir_ / "run").c_str(), 0700);
    std::filesystem::create_directory(dir_ / "tmp");
    const auto runtime = testing::ReadFile(BuildDir() + "/app/kvsaver");
    ASSERT_TRUE(runtime) << "kvsaver not built";
    testing::WriteFile(saver_, *runtime + testing::Payload({"[FileList]\r\nSea.KVP=1\r\n",
                                                           "[Advance]\r\nPreviewFile=pics\\prev.jpg\r\n", ""},
                                                          {"scenes\\Sea.KVP", "prev.jpg"}, {"scene", "pic"}));
    ::chmod(saver_.c_str(), 0755);
  }
  // Exit code of the program with a private temporary directory; at most 20 s.
  int Run(const std::string& program, const std::string& args, bool runtime_dir = true) {
    const std::string env = std::string("env -u DISPLAY ") + (runtime_dir ? "" : "-u XDG_RUNTIME_DIR ") +
                            "TMPDIR='" + dir_ / "tmp" + "' " +
                            (runtime_dir ? "XDG_RUNTIME_DIR='" + dir_ / "run" + "' " : "");
    const int status = std::system((env + "timeout 20 '" + program + "' " + args + " 2>/dev/null").c_str());
    return WEXITSTATUS(status);
  }
  TempDir dir_;
  std::string saver_ = dir_ / "Sea.Scenes.scr";
};

TEST_F(KvsaverTest, RuntimeImageHoldsNoMarker) {
  EXPECT_FALSE(FindPackStart(BuildDir() + "/app/kvsaver").found);
  EXPECT_TRUE(FindPackStart(saver_).found);
}

TEST_F(KvsaverTest, ShowAndConfigurationUnpackAndRemoveTheWorkspace) {
  // Without a display the show reports that and ends with 1.
  for (const char* args : {"/S", "-s", "S"}) {
    EXPECT_EQ(Run(saver_, args), 1) << args;
    EXPECT_TRUE(Listing(dir_ / "run").empty()) << args;
  }
  for (const char* args : {"/C", "/c:4711", "c", ""}) {
    EXPECT_EQ(Run(saver_, args), 0) << args;
    EXPECT_TRUE(Listing(dir_ / "run").empty()) << args;
  }
}

TEST_F(KvsaverTest, PasswordAndUnknownModesCreateNoWorkspace) {
  for (const char* args : {"/A 1234", "SHOW", "/x"}) {
    EXPECT_EQ(Run(saver_, args, false), 0) << args;
    EXPECT_TRUE(Listing(dir_ / "tmp").empty()) << args;
  }
}

TEST_F(KvsaverTest, PreviewWithoutAWindowEndsAndLeavesTheWorkspace) {
  Run(saver_, "/p 0x7ffffff0");
  EXPECT_EQ(Listing(dir_ / "run"), std::vector<std::string>{"Sea"});
  EXPECT_TRUE(Exists(dir_ / "run/Sea/Sea.KVP"));
  EXPECT_TRUE(Exists(dir_ / "run/Sea/prev.jpg"));
}

TEST_F(KvsaverTest, NoPayloadOrARefusedWorkspaceWritesNothing) {
  EXPECT_EQ(Run(BuildDir() + "/app/kvsaver", "/S"), 1);
  EXPECT_TRUE(Listing(dir_ / "run").empty());
  std::filesystem::create_directory(dir_ / "target");
  std::filesystem::create_directory_symlink(dir_ / "target", dir_ / "run/Sea");
  EXPECT_EQ(Run(saver_, "/S"), 1);
  EXPECT_TRUE(Listing(dir_ / "target").empty());
}

TEST_F(KvsaverTest, KvtoolPacksAndReportsTheProject) {
  const std::string project = dir_ / "project";
  std::filesystem::create_directory(project);
  testing::WriteFile(project + "/project.ini",
                     "[FileList]\nb.KVP=1\na.KVP=0\nc.jpg=x\n[Default]\nSound=0\n[UI]\nUIFile=x.wui\n");
  for (const char* name : {"a.KVP", "b.KVP", "c.jpg"}) testing::WriteFile(project + "/" + name, name);
  testing::WriteFile(dir_ / "Packed.ini", "[Setting]\nImageMode=3\nIndex=2\n");
  const std::string kvtool = BuildDir() + "/tools/kvtool/kvtool";
  ASSERT_EQ(Run(kvtool, "pack '" + project + "' -o '" + dir_ / "Packed.scr" + "' >/dev/null"), 0);
  ASSERT_EQ(Run(kvtool, "info '" + dir_ / "Packed.scr" + "' --show > '" + dir_ / "info.json" + "'"), 0);
  const std::string info = testing::ReadFile(dir_ / "info.json").value_or("");
  EXPECT_NE(info.find("\"Music\": false"), std::string::npos) << info;
  EXPECT_NE(info.find("\"playlist\": [\n    \"c.jpg\"\n  ]"), std::string::npos) << info;
  EXPECT_NE(info.find("\"uiFile\": \"x.wui\""), std::string::npos) << info;
  ASSERT_EQ(Run(kvtool, "unpack '" + dir_ / "Packed.scr" + "' '" + dir_ / "out" + "' >/dev/null"), 0);
  EXPECT_EQ(testing::ReadFile(dir_ / "out/b.KVP"), "b.KVP");
  EXPECT_EQ(testing::ReadFile(dir_ / "out/KVGUI.wui"), "0\r\n");
  EXPECT_EQ(Run(kvtool, "info '" + project + "/a.KVP'"), 1);
}

}  // namespace
}  // namespace kv
