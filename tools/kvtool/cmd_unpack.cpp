// kvtool unpack: the payload's files, as the screensaver unpacks them.
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "base/error.h"
#include "base/text.h"
#include "package/payload.h"
#include "tools/kvtool/command_registry.h"
#include "tools/kvtool/json_writer.h"

namespace kv::tool {
namespace {

int RunUnpack(const std::vector<std::string>& args) {
  if (args.size() != 2) throw UsageError{"FILE.scr and DIR are required"};
  const std::string& file = args[0];
  std::string dir = args[1];
  if (!HasPayload(file)) throw Error("kvtool unpack: no screensaver payload found in " + file);
  if (::mkdir(dir.c_str(), 0755) != 0 && errno != EEXIST)
    throw Error("kvtool unpack: cannot create " + dir + ": " + std::strerror(errno));
  if (dir.back() != '/') dir += '/';
  const UnpackedPayload payload = ExtractPayload(file, dir);

  JsonWriter json;
  json.BeginObject().Key("written").BeginArray();
  for (const auto& name : payload.written) json.String(Cp1252ToUtf8(name));
  json.EndArray().Key("failed").BeginArray();
  for (const auto& name : payload.failed) json.String(Cp1252ToUtf8(name));
  json.EndArray().EndObject();
  std::fputs(json.Str().c_str(), stdout);
  return payload.failed.empty() ? 0 : 1;
}

}  // namespace

KV_TOOL_COMMAND("unpack", "unpack FILE.scr DIR", "write a screensaver's payload files into a folder", RunUnpack);

}  // namespace kv::tool
