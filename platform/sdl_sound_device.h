#pragma once

#include <array>
#include <string>

#include "saver/platform_interfaces.h"

struct Mix_Chunk;

namespace kv {

class SdlAudio;

// Scene sounds on SDL_mixer: slot i plays on mixing channel i; the wave
// player has a channel of its own. Without an audio device no channel opens
// and the wave player is silent.
class SdlSoundDevice final : public SoundDevice {
 public:
  explicit SdlSoundDevice(SdlAudio& audio);
  ~SdlSoundDevice() override;

  bool OpenChannel(int32_t slot) override;
  void CloseChannel(int32_t slot) override;
  void LoadChannel(int32_t slot, const std::string& path) override;
  void PlayChannel(int32_t slot, bool loop, int32_t volume) override;
  void StopChannel(int32_t slot) override;
  bool IsChannelPlaying(int32_t slot) const override;
  void PlayWave(const std::string& path, bool loop) override;
  void StopWave() override;

 private:
  static bool ValidSlot(int32_t slot) { return slot >= 0 && slot < 8; }
  void FreeChunk(Mix_Chunk*& chunk, int channel);

  SdlAudio& audio_;
  std::array<bool, 8> open_{};
  std::array<Mix_Chunk*, 8> chunks_{};
  Mix_Chunk* wave_ = nullptr;
  std::string wavePath_;
};

}  // namespace kv
