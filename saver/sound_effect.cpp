#include "saver/sound_effect.h"

namespace kv {

TSoundEffect::TSoundEffect(SoundDevice& device) : device_(device) {
  mode_ = kModeChannels;
  for (int32_t slot = 0; slot < kSlots; ++slot) {
    bool opened = false;
    try {
      opened = device_.OpenChannel(slot);
    } catch (...) {
      opened = false;
    }
    if (!opened) {
      mode_ = kModeWavePlayer;
      break;
    }
    open_channels_ = slot + 1;
  }
}

TSoundEffect::~TSoundEffect() {
  file_names_.clear();
  try {
    StopAll();
  } catch (...) {
  }
  try {
    for (int32_t slot = open_channels_ - 1; slot >= 0; --slot) device_.CloseChannel(slot);
  } catch (...) {
  }
}

void TSoundEffect::AddSound(int32_t slot, const std::string& fileName) {
  if (slot < 0 || slot >= kSlots) return;
  if (file_names_.size() <= static_cast<size_t>(slot)) file_names_.resize(static_cast<size_t>(slot) + 1);
  file_names_[static_cast<size_t>(slot)].clear();
  if (mode_ == kModeChannels) device_.LoadChannel(slot, fileName);
  file_names_[static_cast<size_t>(slot)] = fileName;
}

void TSoundEffect::Play(int32_t index, bool loop) {
  if (index < 0 || static_cast<size_t>(index) >= file_names_.size()) return;
  const std::string& name = file_names_[static_cast<size_t>(index)];
  if (name.empty()) return;
  if (mode_ == kModeChannels) {
    device_.PlayChannel(index, loop, volume_ * 40 - 4000);
  } else if (mode_ == kModeWavePlayer && index == 0) {
    device_.PlayWave(name, loop);
  }
}

void TSoundEffect::StopAll() {
  if (mode_ == kModeChannels) {
    for (int32_t slot = 0; slot < kSlots; ++slot) device_.StopChannel(slot);
  } else if (mode_ == kModeWavePlayer) {
    device_.StopWave();
  }
}

void TSoundEffect::ClearSounds() { file_names_.clear(); }

}  // namespace kv
