#include "package/payload.h"

#include "base/error.h"
#include "base/text.h"
#include "package/pack_reader.h"
#include "package/workspace.h"

namespace kv {

bool HasPayload(const std::string& program) { return FindPackStart(program).found; }

UnpackedPayload ExtractPayload(const std::string& program, const std::string& folder) {
  if (!HasPayload(program)) throw Error("No screensaver payload found in " + program);
  UnpackedPayload out;
  const ExtractResult records = ExtractPack(
      program, {folder + kSettingsPackName, folder + kMediaListName, folder + kMediaPackName, folder + kFormFileName});
  out.written = records.written;
  out.failed = records.failed;

  if (const auto list = ReadSmallFile(folder + kMediaListName)) out.media_lines = SplitLines(*list);
  std::vector<std::string> targets;
  targets.reserve(out.media_lines.size());
  for (const auto& line : out.media_lines) {
    const auto name = MediaTargetName(line);
    targets.push_back(name ? folder + *name : std::string());
  }
  const ExtractResult media = ExtractPack(folder + kMediaPackName, targets);
  out.written.insert(out.written.end(), media.written.begin(), media.written.end());
  out.failed.insert(out.failed.end(), media.failed.begin(), media.failed.end());
  return out;
}

}  // namespace kv
