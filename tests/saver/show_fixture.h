#pragma once

// A project of still pictures written to a private folder, and a show
// window over the fake backend.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "image/bmp_codec.h"
#include "project/kvc_project.h"
#include "saver/kvfm_scr_svr.h"
#include "tests/saver/fake_backend.h"

namespace kv::test {

class ShowTest : public ::testing::Test {
 public:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("kv_saver_test_" + std::to_string(::getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(folder_);
    project.Setting.DirectX = false;
    project.Setting.Transition = false;
    project.Setting.Music = false;
    project.Setting.Sound = false;
  }
  void TearDown() override {
    window.reset();
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
  }

  // Writes a width x height picture filled with `color`; returns its path.
  std::string AddPicture(const std::string& name, int32_t width = 16, int32_t height = 8,
                         uint32_t color = 0xFF336699u, bool flagged = true) {
    const std::string path = (folder_ / name).string();
    SaveBmp(Bitmap32(width, height, color), path);
    project.FileList.Names.push_back(path);
    project.FileList.Flags.push_back(flagged ? "TRUE" : "FALSE");
    return path;
  }

  TKVfmScrSvr& Show() {
    window = std::make_unique<TKVfmScrSvr>(project, backend);
    window->FormShow();
    return *window;
  }

  // Runs `passes` idle passes, `ms` apart.
  void Passes(int32_t passes, uint32_t ms = 40) {
    for (int32_t i = 0; i < passes; ++i) {
      backend.clock.Advance(ms);
      window->IdleFrame();
    }
  }

  std::string Name(const std::string& path) const { return std::filesystem::path(path).filename().string(); }

  std::filesystem::path folder_;
  TKVCProject project;
  FakeBackend backend;
  std::unique_ptr<TKVfmScrSvr> window;
};

}  // namespace kv::test
