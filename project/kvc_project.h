#pragma once

#include <string>

#include "project/kvc_file_list.h"
#include "project/kvc_setting.h"
#include "project/ui_setting.h"

namespace kv {

// The project definition: file list, playback defaults and form file.
class TKVCProject {
 public:
  TKVCFileList FileList;
  TKVCSetting Setting;
  TUISetting UI;

  // Fills the project from a settings pack (a container of three ini files),
  // extracted to three files created exclusively in the user's temporary
  // directory and removed again on every path. Throws kv::Error when those
  // files cannot be created.
  void LoadFromPack(const std::string& pack_path);
};

}  // namespace kv
