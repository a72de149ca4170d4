#include "platform/input_router.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QMouseEvent>

#include "tests/platform/qt_test_app.h"
#include "saver/platform_interfaces.h"

namespace kv {
namespace {

class RecordingInput final : public ShowInput {
 public:
  void MouseMove(int32_t x, int32_t y) override { log.push_back("move " + std::to_string(x) + "," + std::to_string(y)); }
  void MouseDown() override { log.push_back("down"); }
  void MouseUp() override { log.push_back("up"); }
  void KeyDown(int32_t vk) override { log.push_back("key " + std::to_string(vk)); }
  void KeyPress(uint32_t ch) override { log.push_back("char " + std::to_string(ch)); }
  void MusicNotify() override { log.push_back("music"); }
  void HostClose() override { log.push_back("close"); }
  std::vector<std::string> log;
};

TEST(VirtualKeyFromQt, MapsFunctionCursorAndLetterKeys) {
  const std::pair<int, int32_t> cases[] = {{Qt::Key_F1, 112}, {Qt::Key_F2, 113}, {Qt::Key_F12, 123},
                                           {Qt::Key_Left, 37}, {Qt::Key_Down, 40}, {Qt::Key_A, 'A'},
                                           {Qt::Key_Escape, 27}, {Qt::Key_Shift, 16}, {Qt::Key_Menu, 0}};
  for (const auto& [qt, vk] : cases) EXPECT_EQ(VirtualKeyFromQt(qt), vk) << qt;
}

TEST(TypedCharacter, CharacterKeysTypeAndOthersDoNot) {
  test::TestApp();
  struct Case {
    int key;
    QString text;
    uint32_t typed;
  } cases[] = {{Qt::Key_A, "a", 'a'},          {Qt::Key_Space, " ", ' '}, {Qt::Key_Return, "\r", 13},
               {Qt::Key_Escape, "\x1b", 27},   {Qt::Key_F1, "", 0},       {Qt::Key_Right, "", 0},
               {Qt::Key_Delete, "\x7f", 0}};
  for (const auto& c : cases) {
    QKeyEvent event(QEvent::KeyPress, c.key, Qt::NoModifier, c.text);
    EXPECT_EQ(TypedCharacter(&event), c.typed) << c.key;
  }
}

TEST(InputRouter, ForwardsOnlyWhilePumping) {
  test::TestApp();
  InputRouter router;
  RecordingInput input;
  router.SetInput(&input);
  QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier, "");
  QKeyEvent letter(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x");
  EXPECT_TRUE(router.Dispatch(&letter));  // handled, but dropped: not pumping
  router.BeginPump();
  router.Dispatch(&f1);
  router.Dispatch(&letter);
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(1, 1), QPointF(11, 12), Qt::RightButton, Qt::RightButton,
                    Qt::NoModifier);
  router.Dispatch(&press);
  QMouseEvent move(QEvent::MouseMove, QPointF(1, 1), QPointF(300, 200), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  router.Dispatch(&move);
  router.EndPump();
  EXPECT_THAT(input.log, ::testing::ElementsAre("key 112", "key 88", "char 120", "down", "move 300,200"));
}

TEST(InputRouter, KeepsMusicAndCloseUntilTheNextPump) {
  test::TestApp();
  InputRouter router;
  RecordingInput input;
  router.SetInput(&input);
  router.MusicNotify();
  router.HostClose();
  EXPECT_TRUE(input.log.empty());
  router.BeginPump();
  router.EndPump();
  router.BeginPump();
  router.EndPump();
  EXPECT_THAT(input.log, ::testing::ElementsAre("close", "music"));
}

TEST(InputRouter, HostWindowInputIsNotForwarded) {
  test::TestApp();
  InputRouter router;
  RecordingInput input;
  router.SetInput(&input);
  router.SetForwardUserInput(false);
  router.BeginPump();
  QKeyEvent letter(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x");
  EXPECT_TRUE(router.Dispatch(&letter));
  router.HostClose();
  router.EndPump();
  EXPECT_THAT(input.log, ::testing::ElementsAre("close"));
}

}  // namespace
}  // namespace kv
