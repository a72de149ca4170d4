#include "platform/qt_application.h"

#include <gtest/gtest.h>

#include <QTimer>

#include "tests/platform/qt_test_app.h"

namespace kv {
namespace {

TEST(QtApplication, ModalLoopRunsIdleWhenTheQueueIsEmpty) {
  test::TestApp();
  std::vector<std::string> log;
  QTimer::singleShot(0, [&] { log.push_back("event"); });
  int passes = 0;
  QtApplication::RunModalLoop(
      [&] {
        log.push_back("idle");
        return ++passes < 3;
      },
      [&] { return passes >= 3; });
  ASSERT_EQ(log.size(), 4u);
  EXPECT_EQ(log[0], "event");  // queued work runs before the first idle pass
  EXPECT_EQ(log[3], "idle");

  // An idle handler that does not want to be called again waits for events.
  bool done = false;
  int calls = 0;
  QTimer::singleShot(50, [&] { done = true; });
  QtApplication::RunModalLoop(
      [&] {
        ++calls;
        return false;
      },
      [&] { return done; });
  EXPECT_TRUE(done);
  EXPECT_LT(calls, 1000);  // a busy loop would make many thousands
}

}  // namespace
}  // namespace kv
