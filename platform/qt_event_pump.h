#pragma once

#include <QSocketNotifier>
#include <QTimer>
#include <memory>

#include "saver/platform_interfaces.h"

namespace kv {

class InputRouter;

// The show's message queue on Qt: pumping runs the Qt event loop, during
// which the show's windows hand their input to the router. A termination
// signal (see TerminationSignals) reaches the show as HostClose.
class QtEventPump final : public EventPump {
 public:
  explicit QtEventPump(InputRouter& router);
  ~QtEventPump() override;

  void SetInput(ShowInput* input) override;
  void ProcessMessages() override;
  void WaitMessage(uint32_t timeoutMs) override;

 private:
  void CheckSignals();

  InputRouter& router_;
  std::unique_ptr<QSocketNotifier> signalNotifier_;
  QTimer wake_;
  bool signalDelivered_ = false;
};

}  // namespace kv
