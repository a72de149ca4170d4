#pragma once

namespace kv {

// Catches SIGTERM, SIGINT and SIGHUP for the life of the object, so the show
// can end through its normal teardown (and the workspace be removed) instead
// of dying. The previous handlers come back on destruction.
class TerminationSignals {
 public:
  TerminationSignals();
  ~TerminationSignals();
  TerminationSignals(const TerminationSignals&) = delete;
  TerminationSignals& operator=(const TerminationSignals&) = delete;

  // Whether one of the signals has arrived since construction.
  static bool Raised();
  // A descriptor that becomes readable when a signal arrives (for waking a
  // waiting event loop); -1 when none could be made.
  static int WakeDescriptor();
};

}  // namespace kv
