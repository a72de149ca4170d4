// kvtool pack: a screensaver from a project folder and the runtime.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "base/error.h"
#include "base/ini_file.h"
#include "base/text.h"
#include "package/pack_writer.h"
#include "package/payload.h"
#include "tools/kvtool/command_registry.h"
#include "tools/kvtool/json_writer.h"

namespace kv::tool {
namespace {

namespace fs = std::filesystem;

std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw Error("Cannot read " + path);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw Error("Cannot read " + path);
  return bytes;
}

// One ini record holding the given sections of the project file.
std::string IniRecord(const IniFile& project, std::initializer_list<const char*> sections) {
  IniFile record = IniFile::FromText("");
  for (const char* section : sections) {
    for (const auto& key : project.ReadSection(section)) {
      record.WriteString(section, key, project.ReadString(section, key, ""));
    }
  }
  return record.Text();
}

// The kvsaver beside kvtool, else the build tree's app/kvsaver.
std::string DefaultRuntime() {
  char buffer[PATH_MAX];
  const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (n <= 0) throw Error("kvtool pack: cannot find kvtool's own file; give --runtime PATH");
  const fs::path self_dir = fs::path(std::string(buffer, static_cast<size_t>(n))).parent_path();
  const fs::path beside = self_dir / "kvsaver";
  const fs::path build_tree = (self_dir / "../../app/kvsaver").lexically_normal();
  for (const auto& candidate : {beside, build_tree}) {
    if (fs::is_regular_file(candidate)) return candidate.string();
  }
  throw Error("kvtool pack: no runtime found (looked for " + beside.string() + " and " + build_tree.string() +
              "); give --runtime PATH");
}

int RunPack(const std::vector<std::string>& args) {
  std::string dir, out, runtime;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "-o" && i + 1 < args.size()) {
      out = args[++i];
    } else if (args[i] == "--runtime" && i + 1 < args.size()) {
      runtime = args[++i];
    } else if (!args[i].empty() && args[i][0] == '-') {
      throw UsageError{"unknown option " + args[i]};
    } else if (dir.empty()) {
      dir = args[i];
    } else {
      throw UsageError{"unexpected argument " + args[i]};
    }
  }
  if (dir.empty() || out.empty()) throw UsageError{"PROJECT_DIR and -o OUT are required"};
  if (runtime.empty()) runtime = DefaultRuntime();
  if (!fs::is_regular_file(runtime)) throw Error("kvtool pack: runtime " + runtime + " is not a file");
  if (HasPayload(runtime)) throw Error("kvtool pack: runtime " + runtime + " already carries a payload");

  const fs::path root(dir);
  const IniFile project = IniFile::Load((root / "project.ini").string());
  if (!project.Exists()) throw Error("kvtool pack: " + (root / "project.ini").string() + " not found");

  const fs::path form_path = root / kFormFileName;
  const std::string form = fs::is_regular_file(form_path) ? ReadFileBytes(form_path.string()) : "0\r\n";

  std::vector<std::string> media_names;
  for (const auto& entry : fs::directory_iterator(root)) {
    const std::string name = entry.path().filename().string();
    if (!entry.is_regular_file() || name == "project.ini" || name == kFormFileName) continue;
    media_names.push_back(name);
  }
  std::sort(media_names.begin(), media_names.end());
  std::string media_list;
  std::vector<std::string> media;
  for (const auto& name : media_names) {
    media_list += name + "\r\n";
    media.push_back(ReadFileBytes((root / name).string()));
  }

  const std::string settings = PackBytes({IniRecord(project, {"FileList"}),
                                          IniRecord(project, {"General", "Default", "Advance"}),
                                          IniRecord(project, {"UI"})});
  std::string image = ReadFileBytes(runtime);
  WritePack(image, {settings, media_list, PackBytes(media), form});

  const std::string temp = out + ".part~";
  {
    std::ofstream file(temp, std::ios::binary | std::ios::trunc);
    file.write(image.data(), static_cast<std::streamsize>(image.size()));
    if (!file.flush()) {
      std::remove(temp.c_str());
      throw Error("kvtool pack: cannot write " + out);
    }
  }
  if (::chmod(temp.c_str(), 0755) != 0 || std::rename(temp.c_str(), out.c_str()) != 0) {
    std::remove(temp.c_str());
    throw Error("kvtool pack: cannot write " + out);
  }

  JsonWriter json;
  json.BeginObject().Field("output", out).Field("runtime", runtime).Key("media").BeginArray();
  for (const auto& name : media_names) json.String(Cp1252ToUtf8(name));
  json.EndArray().Field("size", static_cast<int64_t>(image.size())).EndObject();
  std::fputs(json.Str().c_str(), stdout);
  return 0;
}

}  // namespace

KV_TOOL_COMMAND("pack", "pack PROJECT_DIR -o OUT.scr [--runtime PATH]",
                "pack a project folder into a screensaver", RunPack);

}  // namespace kv::tool
