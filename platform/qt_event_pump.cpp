#include "platform/qt_event_pump.h"

#include <unistd.h>

#include <algorithm>

#include <QCoreApplication>
#include <QEventLoop>

#include "platform/input_router.h"
#include "platform/termination_signals.h"

namespace kv {

QtEventPump::QtEventPump(InputRouter& router) : router_(router) {
  wake_.setSingleShot(true);
  const int fd = TerminationSignals::WakeDescriptor();
  if (fd >= 0) {
    signalNotifier_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    QObject::connect(signalNotifier_.get(), &QSocketNotifier::activated, [fd] {
      char buffer[64];
      while (read(fd, buffer, sizeof buffer) > 0) {
      }
    });
  }
}

QtEventPump::~QtEventPump() { router_.SetInput(nullptr); }

void QtEventPump::SetInput(ShowInput* input) { router_.SetInput(input); }

void QtEventPump::CheckSignals() {
  if (!signalDelivered_ && TerminationSignals::Raised()) {
    signalDelivered_ = true;
    router_.HostClose();
  }
}

void QtEventPump::ProcessMessages() {
  router_.BeginPump();
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  CheckSignals();
  router_.EndPump();
}

void QtEventPump::WaitMessage(uint32_t timeoutMs) {
  router_.BeginPump();
  CheckSignals();
  if (!signalDelivered_) {
    wake_.start(static_cast<int>(std::min<uint32_t>(timeoutMs, 1u << 30)));
    QEventLoop loop;
    loop.processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    wake_.stop();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    CheckSignals();
  }
  router_.EndPump();
}

}  // namespace kv
