#pragma once

#include <functional>
#include <string>
#include <vector>

namespace kv::tool {

// One kvtool command: `kvtool NAME ARGS...`. Run returns the exit code.
struct Command {
  std::string name;
  std::string usage;    // one line per form, without the leading "kvtool "
  std::string summary;  // what it does, one line
  std::function<int(const std::vector<std::string>& args)> run;
};

// Commands in name order.
const std::vector<Command>& Commands();

// Registers a command at static-initialisation time (see KV_TOOL_COMMAND).
struct CommandRegistrar {
  explicit CommandRegistrar(Command command);
};

// A command-line error: printed on stderr with the command's usage, exit 1.
struct UsageError {
  std::string message;
};

}  // namespace kv::tool

#define KV_TOOL_CONCAT2(a, b) a##b
#define KV_TOOL_CONCAT(a, b) KV_TOOL_CONCAT2(a, b)
#define KV_TOOL_COMMAND(...) \
  static const ::kv::tool::CommandRegistrar KV_TOOL_CONCAT(kv_tool_command_, __LINE__){::kv::tool::Command{__VA_ARGS__}}
