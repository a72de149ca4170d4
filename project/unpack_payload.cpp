#include "project/unpack_payload.h"

#include "base/error.h"
#include "base/message_box.h"
#include "base/text.h"
#include "package/payload.h"
#include "package/workspace.h"

namespace kv {

std::string UnpackPayload(TKVCProject& project, const std::string& program_long_path) {
  if (!HasPayload(program_long_path)) throw Error("No screensaver payload found in " + program_long_path);
  const std::string folder = WorkspaceFolder(program_long_path);
  const UnpackedPayload payload = ExtractPayload(program_long_path, folder);
  for (const auto& name : payload.failed) WriteToStderr("Cannot write " + name);
  project.LoadFromPack(folder + kSettingsPackName);
  for (auto& name : project.FileList.Names) name = folder + name;
  if (!project.Setting.PreviewFile.empty()) project.Setting.PreviewFile = folder + NamePart(project.Setting.PreviewFile);
  project.UI.UIFile = folder + kFormFileName;
  return folder;
}

}  // namespace kv
