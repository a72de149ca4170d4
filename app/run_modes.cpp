#include "app/run_modes.h"

#include <unistd.h>

#include <climits>

#include "app/mode_handoff.h"
#include "app/run_mode.h"
#include "base/error.h"
#include "base/message_box.h"
#include "package/long_path.h"
#include "package/workspace.h"
#include "project/unpack_payload.h"

namespace kv {
namespace {

std::string OwnFile() {
  char buffer[PATH_MAX];
  const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (n <= 0) throw Error("Cannot find the program's own file");
  const std::string path = LongPath(std::string(buffer, static_cast<size_t>(n)));
  if (path.empty()) throw Error("Cannot find the program's own file");
  return path;
}

// Show and configuration: unpack, hand over, then always remove the workspace.
template <typename HandOver>
int RunWithWorkspace(TKVCProject& project, HandOver hand_over) {
  ModeContext context;
  try {
    context.program = OwnFile();
    context.workspace = WorkspacePath(context.program);
    PrepareProject(project);
  } catch (const Error& e) {
    Messages().Show(e.what());
    if (!context.workspace.empty()) RemoveWorkspace(context.workspace);
    return 1;
  }
  const int code = hand_over(project, context);
  RemoveWorkspace(context.workspace);
  return code;
}

}  // namespace

std::string PrepareProject(TKVCProject& project) { return UnpackPayload(project, OwnFile()); }

int RunShowMode(TKVCProject& project) { return RunWithWorkspace(project, HandOverShow); }

int RunConfigMode(TKVCProject& project) { return RunWithWorkspace(project, HandOverConfiguration); }

int RunHostWindowMode(TKVCProject& project, uint64_t window) {
  return RunWithWorkspace(project, [window](TKVCProject& p, const ModeContext& context) {
    return HandOverShowInWindow(p, context, window);
  });
}

int RunPreviewMode(TKVCProject& project, const std::string& handle_argument) {
  try {
    PrepareProject(project);
  } catch (const Error& e) {
    WriteToStderr(e.what());
    return 1;
  }
  if (project.Setting.PreviewFile.empty()) return 0;
  const auto window = ParseWindowHandle(handle_argument);
  if (!window) {
    WriteToStderr("Invalid preview window handle \"" + handle_argument + "\"");
    return 1;
  }
  return HandOverPreview(project, *window);
}

int RunPasswordMode() { return 0; }

}  // namespace kv
