#pragma once

#include <QObject>
#include <atomic>
#include <string>

#include "saver/platform_interfaces.h"

typedef struct _Mix_Music Mix_Music;

namespace kv {

class InputRouter;
class SdlAudio;

// Background music on SDL_mixer (WAV, OGG, MP3, MIDI where a synthesiser is
// installed). SDL_mixer reports the end of a track on its audio thread; the
// hook posts an event to this object on the main thread, which then sends
// MusicNotify to the show when a notification was asked for. One instance
// at a time (SDL_mixer has one music hook).
class SdlMusicDevice final : public QObject, public MusicDevice {
 public:
  SdlMusicDevice(SdlAudio& audio, InputRouter& router);
  ~SdlMusicDevice() override;

  void Open(const std::string& path) override;
  void Play() override;
  void Stop() override;
  void Close() override;
  int64_t Position() const override;
  int64_t Length() const override;
  void SetNotify(bool notify) override;

 protected:
  void customEvent(QEvent* event) override;

 private:
  static void OnMusicFinished();

  SdlAudio& audio_;
  InputRouter& router_;
  Mix_Music* music_ = nullptr;
  int64_t length_ = -1;     // from the decoder; -1 when it cannot tell
  int64_t playStart_ = 0;   // SDL tick at Play, for decoders without a position
  int64_t endPosition_ = 0; // where a track that played out stopped
  bool playing_ = false;
  bool ended_ = false;
  bool notify_ = false;
  std::atomic<bool> halting_{false};
  std::atomic<uint32_t> generation_{0};
};

}  // namespace kv
