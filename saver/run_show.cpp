#include "saver/run_show.h"

#include "base/message_box.h"
#include "project/preferences.h"
#include "saver/kvfm_scr_svr.h"

namespace kv {

void RunShow(TKVCProject& project, ShowBackend& backend, const std::string& programPath) {
  TKVCFileList& files = project.FileList;
  if (files.Names.empty()) {
    Messages().Show("No image found in Images List.");
    return;
  }
  files.Flags.assign(files.Names.size(), "TRUE");
  ApplyPreferencesToProject(project, programPath);
  TKVfmScrSvr window(project, backend);
  window.ShowModal();
}

}  // namespace kv
