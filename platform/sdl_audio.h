#pragma once

namespace kv {

// The one SDL audio device that scene sounds and music share (SDL's audio
// subsystem only, through SDL_mixer). Opened on first use; a failure is
// remembered, so later calls do not retry the device on every frame.
class SdlAudio {
 public:
  SdlAudio() = default;
  ~SdlAudio();
  SdlAudio(const SdlAudio&) = delete;
  SdlAudio& operator=(const SdlAudio&) = delete;

  // True when the device is open (opening it now if needed).
  bool Open();
  bool IsOpen() const { return open_; }

  // Mixing channels: eight for the scene-sound slots, one for the wave player.
  static constexpr int kSlotChannels = 8;
  static constexpr int kWaveChannel = 8;

 private:
  bool open_ = false;
  bool failed_ = false;
};

// SDL_mixer's channel volume (0..128) for a level in hundredths of a decibel
// (0 = full scale, -800 = -8 dB, rounded to nearest).
int MixVolumeFromCentibels(int hundredthsOfDecibel);

}  // namespace kv
