#include "tools/kvtool/command_registry.h"

#include <algorithm>

namespace kv::tool {
namespace {
std::vector<Command>& Registry() {
  static std::vector<Command> commands;
  return commands;
}
}  // namespace

const std::vector<Command>& Commands() { return Registry(); }

CommandRegistrar::CommandRegistrar(Command command) {
  auto& commands = Registry();
  commands.push_back(std::move(command));
  std::sort(commands.begin(), commands.end(),
            [](const Command& a, const Command& b) { return a.name < b.name; });
}

}  // namespace kv::tool
