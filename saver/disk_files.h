#pragma once

#include <optional>
#include <string>

#include "saver/platform_interfaces.h"

namespace kv {

// ShowFiles on the real file system: exact names first, then a look-up
// without regard to letter case inside the named folder.
class DiskFiles final : public ShowFiles {
 public:
  // `workspaceFolder` ends in "/"; `programPath` is the program file's path.
  DiskFiles(std::string workspaceFolder, const std::string& programPath);

  std::optional<std::string> Find(const std::string& path) const override;
  std::string WorkspaceFolder() const override { return workspace_; }
  std::optional<std::string> CommonFolder() const override;
  std::string ProgramFolder() const override { return program_folder_; }

 private:
  std::string workspace_;
  std::string program_folder_;
};

}  // namespace kv
