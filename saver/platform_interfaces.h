#pragma once

// The small interfaces through which the show reaches the platform. One
// backend (ShowBackend) bundles them; the show logic never knows whether it
// runs full screen, inside a host window or headless. No Qt or SDL here.
//
// Threading: every call is made on the main thread. Implementations must not
// call back into the show except through ShowInput, and only from inside
// EventPump::ProcessMessages / WaitMessage.

#include <cstdint>
#include <optional>
#include <string>

#include "base/clock.h"
#include "image/bitmap32.h"

namespace kv {

// Virtual key codes the show looks at in ShowInput::KeyDown. Platforms map
// their key events onto these Windows-style codes (F1 = 112, F2 = 113 ...).
inline constexpr int32_t kVkF1 = 112;

// The screen the show draws on: either a scaled full-screen surface (frames
// are composed at a reduced size and the GPU scales them to the display; the
// "DirectDraw path") or plain window drawing at the screen's own size.
class ShowScreen {
 public:
  virtual ~ShowScreen() = default;

  // Size of the (primary) screen, or of the host window in embedded mode.
  virtual int32_t ScreenWidth() const = 0;
  virtual int32_t ScreenHeight() const = 0;
  // Bits per pixel of the display; 16 when it cannot be read.
  virtual int32_t ScreenBitsPerPixel() const = 0;

  // Tries to start the scaled full-screen surface at the given display size
  // and depth. Returns false (and stays on window drawing) when it cannot;
  // it may also throw, which the show treats as false.
  virtual bool InitScaledSurface(int32_t width, int32_t height, int32_t bitsPerPixel) = 0;
  // Whether the scaled surface is currently able to take a frame (it is
  // initialised, not in the middle of an initialisation, its surface exists).
  // Window drawing: always true.
  virtual bool CanDraw() const = 0;
  // Size of the scaled surface's content (the size of the last frame
  // presented there); 0 x 0 before the first frame. Window drawing: the screen.
  virtual int32_t SurfaceWidth() const = 0;
  virtual int32_t SurfaceHeight() const = 0;

  // Puts one finished frame on screen.
  // Window drawing: an opaque copy with its top-left corner at (x, y); what
  // the frame does not cover keeps its previous content (black at start).
  // Scaled surface: the surface takes the frame's size and content and is
  // shown scaled to the whole display; x and y are not used. Nothing happens
  // when CanDraw() is false.
  virtual void Present(int32_t x, int32_t y, const Bitmap32& frame) = 0;
  // Paints black over (0, 0, screen width, screen height) (window drawing).
  virtual void ClearToBlack() = 0;
  // Copies what is on screen into `target`, which the caller has sized:
  // window drawing copies the rectangle (0, 0, target size) of the window;
  // the scaled surface copies its whole content (target sized to
  // SurfaceWidth x SurfaceHeight). Pixels outside what the screen holds are black.
  virtual void Capture(Bitmap32& target) = 0;

  // Shows or hides the mouse cursor over the show.
  virtual void SetCursorVisible(bool visible) = 0;
};

// What the platform delivers to the show while it processes messages.
class ShowInput {
 public:
  virtual ~ShowInput() = default;
  // Pointer moved to (x, y) in screen coordinates (any screen counts).
  virtual void MouseMove(int32_t x, int32_t y) = 0;
  // A mouse button went down / up (any button).
  virtual void MouseDown() = 0;
  virtual void MouseUp() = 0;
  // A key went down: its virtual key code (kVkF1 ...).
  virtual void KeyDown(int32_t virtualKey) = 0;
  // A key stroke produced a character (letters, digits, space, Enter,
  // Escape, Backspace ...). Keys that produce none are not reported here.
  virtual void KeyPress(uint32_t character) = 0;
  // The music device reports that its last command completed (end of a
  // track, or an interrupted command). Delivered on the main thread.
  virtual void MusicNotify() = 0;
  // The host wants the show to end (SIGTERM/SIGINT, the window was closed
  // or destroyed by the window manager or the embedding host).
  virtual void HostClose() = 0;
};

// The message queue of the modal loop.
class EventPump {
 public:
  virtual ~EventPump() = default;
  // Where input goes; nullptr stops delivery. The show sets it for its run.
  virtual void SetInput(ShowInput* input) = 0;
  // Processes every pending message (delivering input to the ShowInput) and
  // returns without waiting.
  virtual void ProcessMessages() = 0;
  // Waits until at least one message is pending, or at most `timeoutMs`,
  // then processes what is pending. Used while no idle handler is installed.
  virtual void WaitMessage(uint32_t timeoutMs) = 0;
};

// The eight-channel sound device behind TSoundEffect. Channels are opened one
// by one; when one fails the show falls back to the single-channel wave
// player (PlayWave / StopWave), which must work even without an audio device
// (it may then be silent).
class SoundDevice {
 public:
  virtual ~SoundDevice() = default;
  // Opens channel `slot` (0..7). False when it cannot.
  virtual bool OpenChannel(int32_t slot) = 0;
  // Frees an open channel.
  virtual void CloseChannel(int32_t slot) = 0;
  // Loads a WAV file into the channel's buffer; throws kv::Error on failure.
  virtual void LoadChannel(int32_t slot, const std::string& path) = 0;
  // Plays the channel's buffer from its start, once or looping, at
  // `volume` hundredths of a decibel (0 = full, -800 = -8 dB).
  virtual void PlayChannel(int32_t slot, bool loop, int32_t volume) = 0;
  virtual void StopChannel(int32_t slot) = 0;
  virtual bool IsChannelPlaying(int32_t slot) const = 0;

  // The single-channel wave player: plays one file asynchronously (looping
  // or not), replacing what it played before; StopWave silences it.
  virtual void PlayWave(const std::string& path, bool loop) = 0;
  virtual void StopWave() = 0;
};

// The background-music device. Open/Play failures throw kv::Error. When the
// notify flag is set and a command completes (a track plays to its end, or
// is interrupted), the platform delivers ShowInput::MusicNotify once through
// the event pump and clears the flag.
class MusicDevice {
 public:
  virtual ~MusicDevice() = default;
  virtual void Open(const std::string& path) = 0;
  virtual void Play() = 0;
  virtual void Stop() = 0;
  virtual void Close() = 0;
  // Position and length of the open medium in milliseconds; a track that
  // played to its end reports Position() >= Length().
  virtual int64_t Position() const = 0;
  virtual int64_t Length() const = 0;
  virtual void SetNotify(bool notify) = 0;
};

// Places the show looks up files (sounds).
class ShowFiles {
 public:
  virtual ~ShowFiles() = default;
  // The path of an existing regular file: `path` itself, or, when that does
  // not exist, the entry of its folder whose name matches without regard to
  // case. Empty when neither exists.
  virtual std::optional<std::string> Find(const std::string& path) const = 0;
  // The workspace folder the payload was unpacked into, with a trailing "/".
  virtual std::string WorkspaceFolder() const = 0;
  // The product family's shared folder with a trailing "/"; empty when there is none.
  virtual std::optional<std::string> CommonFolder() const = 0;
  // The folder of the program file, with a trailing "/".
  virtual std::string ProgramFolder() const = 0;
};

// Everything the show needs of the platform.
class ShowBackend {
 public:
  virtual ~ShowBackend() = default;
  virtual ShowScreen& Screen() = 0;
  virtual EventPump& Events() = 0;
  virtual Clock& Ticks() = 0;
  virtual SoundDevice& Sound() = 0;
  virtual MusicDevice& Music() = 0;
  virtual ShowFiles& Files() = 0;
};

}  // namespace kv
