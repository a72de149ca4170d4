#include "package/workspace.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/error.h"
#include "package/payload.h"
#include "tests/package/pack_fixture.h"

namespace kv {
namespace {

using testing::Exists;
using testing::ScopedEnv;
using testing::TempDir;

TEST(UserTempFolder, RuntimeDirWhenSetElsePrivateFolderInTmpdir) {
  TempDir dir;
  {
    ScopedEnv runtime("XDG_RUNTIME_DIR", dir.path().substr(0, dir.path().size() - 1));
    EXPECT_EQ(UserTempFolder(), dir.path());
  }
  ScopedEnv runtime("XDG_RUNTIME_DIR", std::nullopt);
  ScopedEnv tmpdir("TMPDIR", dir.path());
  const std::string expected = dir / ("kvsaver-" + std::to_string(::geteuid()) + "/");
  EXPECT_EQ(UserTempFolder(), expected);
  struct stat st;
  ASSERT_EQ(::stat(expected.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
  EXPECT_EQ(UserTempFolder(), expected);  // existing folder accepted
}

TEST(UserTempFolder, RefusesSymlinksForeignFoldersAndMissingRuntimeDir) {
  TempDir dir;
  const std::string uid = std::to_string(::geteuid());
  std::filesystem::create_directory(dir / "elsewhere");
  {
    TempDir tmp;
    std::filesystem::create_directory_symlink(dir / "elsewhere", tmp / ("kvsaver-" + uid));
    ScopedEnv runtime("XDG_RUNTIME_DIR", std::nullopt);
    ScopedEnv tmpdir("TMPDIR", tmp.path());
    EXPECT_THROW(UserTempFolder(), Error);
  }
  {
    std::filesystem::create_directory_symlink(dir / "elsewhere", dir / "run-link");
    ScopedEnv runtime("XDG_RUNTIME_DIR", dir / "run-link");
    EXPECT_THROW(UserTempFolder(), Error);
  }
  {
    ScopedEnv runtime("XDG_RUNTIME_DIR", dir / "no-such-folder");
    EXPECT_THROW(UserTempFolder(), Error);
    EXPECT_FALSE(Exists(dir / "no-such-folder"));
  }
  if (::geteuid() == 0) {
    std::filesystem::create_directory(dir / "foreign");
    ASSERT_EQ(::chown((dir / "foreign").c_str(), 4242, 4242), 0);
    ScopedEnv runtime("XDG_RUNTIME_DIR", dir / "foreign");
    EXPECT_THROW(UserTempFolder(), Error);
  }
  EXPECT_TRUE(testing::Listing(dir / "elsewhere").empty());
}

TEST(WorkspaceFolder, TempDirPlusBaseNameCreatedOnce) {
  TempDir dir;
  ScopedEnv runtime("XDG_RUNTIME_DIR", dir.path());
  EXPECT_EQ(ProgramBaseName("/opt/Sea.Scenes.scr"), "Sea");
  EXPECT_EQ(ProgramBaseName("/opt/kvsaver"), "kvsaver");
  EXPECT_EQ(WorkspacePath("/opt/Sea.Scenes.scr"), dir / "Sea/");
  EXPECT_FALSE(Exists(dir / "Sea"));
  EXPECT_EQ(WorkspaceFolder("/opt/Sea.Scenes.scr"), dir / "Sea/");
  EXPECT_TRUE(std::filesystem::is_directory(dir / "Sea"));
  EXPECT_EQ(WorkspaceFolder("/opt/Sea.Scenes.scr"), dir / "Sea/");

  EXPECT_THROW(WorkspaceFolder("/opt/.scr"), Error);
  std::filesystem::create_directory(dir / "target");
  std::filesystem::create_directory_symlink(dir / "target", dir / "Link");
  EXPECT_THROW(WorkspaceFolder("/opt/Link.scr"), Error);
}

TEST(MediaTargetName, NamePartOrSkipped) {
  const std::vector<std::pair<std::string, std::optional<std::string>>> cases = {
      {"Sea.KVP", "Sea.KVP"},     {"scenes\\Sea.KVP", "Sea.KVP"}, {"a/b\\c.jpg", "c.jpg"},
      {"..\\..\\x.wav", "x.wav"}, {"", std::nullopt},             {"dir\\", std::nullopt},
      {".", std::nullopt},        {"..", std::nullopt},           {"x/..", std::nullopt},
      {"x\\.", std::nullopt},
  };
  for (const auto& [line, name] : cases) EXPECT_EQ(MediaTargetName(line), name) << line;
}

TEST(RemoveWorkspace, DeletesWhatTheUnpackingWroteAndTheFolder) {
  TempDir dir;
  const std::string ws = dir / "Sea/";
  std::filesystem::create_directory(ws);
  testing::WriteFile(ws + kMediaListName, "scenes\\a.KVP\r\nb.jpg\r\n..\r\n");
  for (const char* name : {"a.KVP", "b.jpg", "KVC.res", "KVFiles.res", "KVFinal.res", "KVGUI.wui"})
    testing::WriteFile(ws + name, "x");
  testing::WriteFile(dir / "outside", "keep");
  RemoveWorkspace(ws);
  EXPECT_FALSE(Exists(ws));
  EXPECT_EQ(testing::Listing(dir.path()), std::vector<std::string>{"outside"});

  // A file the unpacking did not write keeps the folder; no error.
  std::filesystem::create_directory(ws);
  testing::WriteFile(ws + "KVC.res", "x");
  testing::WriteFile(ws + "user.txt", "x");
  RemoveWorkspace(ws);
  EXPECT_EQ(testing::Listing(ws), std::vector<std::string>{"user.txt"});
  RemoveWorkspace(dir / "missing/");
}

}  // namespace
}  // namespace kv
