#pragma once

#include <optional>
#include <string>

#include "saver/platform_interfaces.h"

namespace kv {

// The show's file look-up on the local file system. The folders are given
// at construction (each ending in "/"); CommonFolder may be absent.
class DiskShowFiles final : public ShowFiles {
 public:
  DiskShowFiles(std::string workspaceFolder, std::optional<std::string> commonFolder, std::string programFolder);

  std::optional<std::string> Find(const std::string& path) const override;
  std::string WorkspaceFolder() const override { return workspace_; }
  std::optional<std::string> CommonFolder() const override { return common_; }
  std::string ProgramFolder() const override { return program_; }

 private:
  std::string workspace_;
  std::optional<std::string> common_;
  std::string program_;
};

// The folder part of a path including its last "/" ("" when it has none).
std::string FolderOf(const std::string& path);

}  // namespace kv
