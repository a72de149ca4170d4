#include "platform/termination_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <csignal>

namespace kv {
namespace {

volatile std::sig_atomic_t g_raised = 0;
int g_pipe[2] = {-1, -1};
struct sigaction g_previous[3];
constexpr int kSignals[3] = {SIGTERM, SIGINT, SIGHUP};

void OnSignal(int) {
  g_raised = 1;
  if (g_pipe[1] >= 0) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = write(g_pipe[1], &byte, 1);
  }
}

}  // namespace

TerminationSignals::TerminationSignals() {
  g_raised = 0;
  if (g_pipe[0] < 0 && pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) g_pipe[0] = g_pipe[1] = -1;
  struct sigaction action = {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int i = 0; i < 3; ++i) sigaction(kSignals[i], &action, &g_previous[i]);
}

TerminationSignals::~TerminationSignals() {
  for (int i = 0; i < 3; ++i) sigaction(kSignals[i], &g_previous[i], nullptr);
}

bool TerminationSignals::Raised() { return g_raised != 0; }

int TerminationSignals::WakeDescriptor() { return g_pipe[0]; }

}  // namespace kv
