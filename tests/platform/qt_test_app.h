#pragma once

#include "platform/qt_application.h"

namespace kv::test {

// The one application object of the test process, made on first use.
inline QtApplication& TestApp() {
  static int argc = 1;
  static char name[] = "kv_platform_tests";
  static char* argv[] = {name, nullptr};
  static QtApplication app(argc, argv);
  return app;
}

}  // namespace kv::test
