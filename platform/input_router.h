#pragma once

#include <cstdint>

class QEvent;

namespace kv {

class ShowInput;

// Hands the show's windows' input and the music notification to the
// ShowInput, but only while the event pump is pumping: events that Qt
// delivers elsewhere (inside a nested message-box loop, say) are dropped,
// and a music notification is kept until the next pump.
class InputRouter {
 public:
  void SetInput(ShowInput* input) { input_ = input; }
  // Whether input is forwarded to the show at all (false for a window the
  // show is embedded in: its input belongs to the host).
  void SetForwardUserInput(bool forward) { forwardUserInput_ = forward; }

  // Marks the span in which the event pump processes messages.
  void BeginPump();
  void EndPump();

  // A window event: mouse and key input go to the show. Returns true when
  // the event was input (handled, whether forwarded or not).
  bool Dispatch(QEvent* event);

  void MusicNotify();
  void HostClose();

 private:
  bool Live() const { return input_ != nullptr && pumping_ > 0; }
  ShowInput* input_ = nullptr;
  int pumping_ = 0;
  bool forwardUserInput_ = true;
  bool musicPending_ = false;
  bool closePending_ = false;
};

// The virtual-key code of a Qt key (0 when it has none): F1 = 112 ...
int32_t VirtualKeyFromQt(int qtKey);
// The character a key stroke typed, or 0 when it typed none.
uint32_t TypedCharacter(const QEvent* keyEvent);

}  // namespace kv
