// kvtool: authoring and inspection commands for screensavers and scenes.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "base/message_box.h"
#include "tools/kvtool/command_registry.h"

namespace {

void PrintHelp(FILE* out) {
  std::fprintf(out, "Usage: kvtool COMMAND [ARGS...]\n\nCommands:\n");
  for (const auto& command : kv::tool::Commands()) {
    std::fprintf(out, "  %-20s %s\n", command.name.c_str(), command.summary.c_str());
  }
  std::fprintf(out, "\n'kvtool COMMAND --help' shows the forms of one command.\n");
}

void PrintUsage(FILE* out, const kv::tool::Command& command) {
  std::string usage = command.usage;
  std::fprintf(out, "Usage:\n");
  size_t start = 0;
  while (start < usage.size()) {
    size_t end = usage.find('\n', start);
    if (end == std::string::npos) end = usage.size();
    std::fprintf(out, "  kvtool %s\n", usage.substr(start, end - start).c_str());
    start = end + 1;
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    PrintHelp(args.empty() ? stderr : stdout);
    return args.empty() ? 1 : 0;
  }
  // A command's name may be two words ("render scene"); the longer match wins.
  const kv::tool::Command* found = nullptr;
  size_t words = 0;
  for (const auto& command : kv::tool::Commands()) {
    if (args.size() >= 2 && command.name == args[0] + " " + args[1]) {
      found = &command;
      words = 2;
      break;
    }
    if (!found && command.name == args[0]) {
      found = &command;
      words = 1;
    }
  }
  if (found) {
    const auto& command = *found;
    std::vector<std::string> rest(args.begin() + static_cast<std::ptrdiff_t>(words), args.end());
    for (const auto& a : rest) {
      if (a == "--help" || a == "-h") {
        PrintUsage(stdout, command);
        return 0;
      }
    }
    try {
      return command.run(rest);
    } catch (const kv::tool::UsageError& e) {
      kv::WriteToStderr("kvtool " + command.name + ": " + e.message);
      PrintUsage(stderr, command);
      return 1;
    } catch (const std::exception& e) {
      kv::WriteToStderr(e.what());
      return 1;
    }
  }
  kv::WriteToStderr("kvtool: unknown command '" + args[0] + "'");
  PrintHelp(stderr);
  return 1;
}
