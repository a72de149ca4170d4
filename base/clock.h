#pragma once

#include <cstdint>

namespace kv {

// Millisecond tick counter and sleeping. The count wraps at 2^32 like the
// platform tick counter, so differences must be taken modulo 2^32.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual uint32_t TickCount() = 0;
  virtual void Sleep(uint32_t ms) = 0;
};

// steady_clock milliseconds since an arbitrary origin, wrapping at 2^32.
class SteadyClock final : public Clock {
 public:
  uint32_t TickCount() override;
  void Sleep(uint32_t ms) override;
};

// A clock that moves only when told; Sleep advances it. For tests and for
// reproducible headless rendering.
class ManualClock final : public Clock {
 public:
  explicit ManualClock(uint32_t start = 0) : now_(start) {}
  uint32_t TickCount() override { return now_; }
  void Sleep(uint32_t ms) override { now_ += ms; }
  void Advance(uint32_t ms) { now_ += ms; }
  void Set(uint32_t now) { now_ = now; }

 private:
  uint32_t now_;
};

}  // namespace kv
