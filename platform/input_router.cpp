#include "platform/input_router.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "saver/platform_interfaces.h"

namespace kv {

int32_t VirtualKeyFromQt(int qtKey) {
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return kVkF1 + (qtKey - Qt::Key_F1);
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return 'A' + (qtKey - Qt::Key_A);
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return '0' + (qtKey - Qt::Key_0);
  switch (qtKey) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Pause: return 19;
    case Qt::Key_CapsLock: return 20;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    default: return 0;
  }
}

uint32_t TypedCharacter(const QEvent* keyEvent) {
  const auto* key = static_cast<const QKeyEvent*>(keyEvent);
  const QString text = key->text();
  if (text.isEmpty()) return 0;
  const uint32_t ch = text.toUcs4().value(0);
  // Delete types U+007F on X11; it is a cursor-block key, not a character.
  if (ch == 0x7F || key->key() == Qt::Key_Delete) return 0;
  return ch;
}

void InputRouter::BeginPump() {
  ++pumping_;
  if (!Live()) return;
  if (closePending_) {
    closePending_ = false;
    input_->HostClose();
  }
  if (musicPending_) {
    musicPending_ = false;
    input_->MusicNotify();
  }
}

void InputRouter::EndPump() { --pumping_; }

bool InputRouter::Dispatch(QEvent* event) {
  const bool live = Live() && forwardUserInput_;
  switch (event->type()) {
    case QEvent::MouseMove: {
      if (live) {
        const QPoint p = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
        input_->MouseMove(p.x(), p.y());
      }
      return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      if (live) input_->MouseDown();
      return true;
    case QEvent::MouseButtonRelease:
      if (live) input_->MouseUp();
      return true;
    case QEvent::KeyPress: {
      if (live) {
        const int32_t vk = VirtualKeyFromQt(static_cast<QKeyEvent*>(event)->key());
        if (vk != 0) input_->KeyDown(vk);
        const uint32_t ch = TypedCharacter(event);
        if (ch != 0) input_->KeyPress(ch);
      }
      return true;
    }
    case QEvent::KeyRelease:
      return true;
    default:
      return false;
  }
}

void InputRouter::MusicNotify() {
  if (Live()) {
    input_->MusicNotify();
  } else {
    musicPending_ = true;
  }
}

void InputRouter::HostClose() {
  if (Live()) {
    input_->HostClose();
  } else {
    closePending_ = true;
  }
}

}  // namespace kv
