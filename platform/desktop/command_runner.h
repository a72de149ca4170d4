#pragma once

#include <string>
#include <vector>

namespace kv {

// Runs a program with arguments (no shell) and collects its standard output.
class CommandRunner {
 public:
  virtual ~CommandRunner() = default;

  // The exit status; 127 when the program cannot be started, -1 when it had
  // to be stopped after the time limit or died from a signal.
  virtual int Run(const std::vector<std::string>& argv, std::string& output) = 0;
};

// The real runner: posix_spawnp with the caller's environment, standard
// input from /dev/null, a time limit per command.
class ProcessRunner : public CommandRunner {
 public:
  explicit ProcessRunner(int timeoutMs = 10000) : timeoutMs_(timeoutMs) {}
  int Run(const std::vector<std::string>& argv, std::string& output) override;

 private:
  int timeoutMs_;
};

}  // namespace kv
