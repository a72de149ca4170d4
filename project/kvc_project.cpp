#include "project/kvc_project.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "base/error.h"
#include "base/text.h"
#include "package/pack_reader.h"
#include "package/workspace.h"

namespace kv {
namespace {

// Three temporary files, created exclusively, removed when this goes away.
class TempTriple {
 public:
  // "<dir>KV<stem>~1.tmp" .. "~3.tmp"; when one of them is taken (another
  // process, or a leftover), a number after the stem makes the next attempt.
  TempTriple(const std::string& dir, const std::string& stem) {
    for (int attempt = 0; attempt < 100; ++attempt) {
      const std::string base = dir + "KV" + stem + (attempt ? std::to_string(attempt) : "");
      bool taken = false;
      for (int i = 1; i <= 3 && !taken; ++i) {
        const std::string name = base + "~" + std::to_string(i) + ".tmp";
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd < 0) {
          if (errno != EEXIST) {
            const std::string reason = std::strerror(errno);
            Clear();
            throw Error("Cannot create the temporary file " + name + ": " + reason);
          }
          taken = true;
        } else {
          ::close(fd);
          names_.push_back(name);
        }
      }
      if (!taken) return;
      Clear();
    }
    throw Error("Cannot create temporary files in " + dir);
  }
  ~TempTriple() { Clear(); }
  TempTriple(const TempTriple&) = delete;
  TempTriple& operator=(const TempTriple&) = delete;

  const std::vector<std::string>& Names() const { return names_; }

 private:
  void Clear() {
    for (const auto& name : names_) std::remove(name.c_str());
    names_.clear();
  }
  std::vector<std::string> names_;
};

}  // namespace

void TKVCProject::LoadFromPack(const std::string& pack_path) {
  // The pack's name up to and including its last ".": "KVC.res" gives "KVC.".
  const std::string name = NamePart(pack_path);
  const size_t dot = name.rfind('.');
  const std::string stem = dot == std::string::npos ? name : name.substr(0, dot + 1);
  const TempTriple temp(UserTempFolder(), stem);
  ExtractPack(pack_path, temp.Names());
  FileList.ReadFromIni(temp.Names()[0]);
  Setting.ReadFromIni(temp.Names()[1]);
  UI.ReadFromIni(temp.Names()[2]);
}

}  // namespace kv
