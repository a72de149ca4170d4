#include "platform/qt_application.h"

#include <QApplication>
#include <QEventLoop>

namespace kv {

QtApplication::QtApplication(int& argc, char** argv) : app_(std::make_unique<QApplication>(argc, argv)) {
  QApplication::setApplicationDisplayName(QStringLiteral(" "));
  QApplication::setQuitOnLastWindowClosed(false);
}

QtApplication::~QtApplication() = default;

void QtApplication::ProcessMessages() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void QtApplication::RunModalLoop(const std::function<bool()>& idle, const std::function<bool()>& done) {
  QEventLoop loop;
  while (!done()) {
    // One event at a time: processEvents handles what is queued now and
    // reports whether there was anything.
    if (loop.processEvents(QEventLoop::AllEvents)) continue;
    if (done()) break;
    if (!idle()) loop.processEvents(QEventLoop::WaitForMoreEvents);
  }
}

}  // namespace kv
