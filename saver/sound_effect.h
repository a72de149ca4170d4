#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "saver/platform_interfaces.h"

namespace kv {

// The eight-slot player of scene sounds. Mode 0: eight channels of the sound
// device play; mode 2: a channel could not be opened and the single-channel
// wave player plays slot 0 only.
class TSoundEffect {
 public:
  static constexpr int32_t kSlots = 8;
  static constexpr uint8_t kModeChannels = 0;
  static constexpr uint8_t kModeWavePlayer = 2;

  // Opens the channels 0..7 in turn; the first failure stops there and
  // selects the wave player.
  explicit TSoundEffect(SoundDevice& device);
  // Stops everything and closes the opened channels, last to first. Device
  // failures are swallowed.
  ~TSoundEffect();
  TSoundEffect(const TSoundEffect&) = delete;
  TSoundEffect& operator=(const TSoundEffect&) = delete;

  // Binds `fileName` to `slot` (0..7); in mode 0 also loads it into the
  // slot's channel. Load failures (kv::Error) pass to the caller, leaving the
  // slot unbound.
  void AddSound(int32_t slot, const std::string& fileName);
  // Plays a bound slot, looping or once; unbound or out-of-range slots are
  // ignored. Mode 0 plays at Volume * 40 - 4000 hundredths of a decibel.
  void Play(int32_t index, bool loop);
  void StopAll();
  // Unbinds every slot; channel buffers keep their content until reloaded.
  void ClearSounds();

  uint8_t Mode() const { return mode_; }
  int32_t Volume() const { return volume_; }
  // The bound file per slot ("" = unbound).
  const std::vector<std::string>& FileNames() const { return file_names_; }

 private:
  SoundDevice& device_;
  std::vector<std::string> file_names_;
  uint8_t mode_ = 3;
  int32_t volume_ = 80;
  int32_t open_channels_ = 0;
};

}  // namespace kv
