#include "platform/sdl_sound_device.h"

#include <SDL_mixer.h>

#include "base/error.h"
#include "platform/sdl_audio.h"

namespace kv {

SdlSoundDevice::SdlSoundDevice(SdlAudio& audio) : audio_(audio) {}

SdlSoundDevice::~SdlSoundDevice() {
  for (int32_t slot = 7; slot >= 0; --slot) CloseChannel(slot);
  FreeChunk(wave_, SdlAudio::kWaveChannel);
}

void SdlSoundDevice::FreeChunk(Mix_Chunk*& chunk, int channel) {
  if (chunk == nullptr) return;
  if (audio_.IsOpen()) Mix_HaltChannel(channel);
  Mix_FreeChunk(chunk);
  chunk = nullptr;
}

bool SdlSoundDevice::OpenChannel(int32_t slot) {
  if (!ValidSlot(slot) || !audio_.Open()) return false;
  open_[slot] = true;
  return true;
}

void SdlSoundDevice::CloseChannel(int32_t slot) {
  if (!ValidSlot(slot) || !open_[slot]) return;
  FreeChunk(chunks_[slot], slot);
  open_[slot] = false;
}

void SdlSoundDevice::LoadChannel(int32_t slot, const std::string& path) {
  if (!ValidSlot(slot) || !open_[slot]) throw Error("No DXSound");
  Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
  if (chunk == nullptr) throw Error(Mix_GetError());
  FreeChunk(chunks_[slot], slot);
  chunks_[slot] = chunk;
}

void SdlSoundDevice::PlayChannel(int32_t slot, bool loop, int32_t volume) {
  if (!ValidSlot(slot) || !open_[slot] || chunks_[slot] == nullptr) return;
  Mix_Volume(slot, MixVolumeFromCentibels(volume));
  Mix_PlayChannel(slot, chunks_[slot], loop ? -1 : 0);
}

void SdlSoundDevice::StopChannel(int32_t slot) {
  if (ValidSlot(slot) && open_[slot]) Mix_HaltChannel(slot);
}

bool SdlSoundDevice::IsChannelPlaying(int32_t slot) const {
  return ValidSlot(slot) && open_[slot] && Mix_Playing(slot) != 0;
}

void SdlSoundDevice::PlayWave(const std::string& path, bool loop) {
  if (!audio_.Open()) return;
  if (wave_ == nullptr || path != wavePath_) {
    FreeChunk(wave_, SdlAudio::kWaveChannel);
    wavePath_.clear();
    wave_ = Mix_LoadWAV(path.c_str());
    if (wave_ == nullptr) return;
    wavePath_ = path;
  }
  Mix_Volume(SdlAudio::kWaveChannel, MIX_MAX_VOLUME);
  Mix_PlayChannel(SdlAudio::kWaveChannel, wave_, loop ? -1 : 0);
}

void SdlSoundDevice::StopWave() {
  if (audio_.IsOpen()) Mix_HaltChannel(SdlAudio::kWaveChannel);
}

}  // namespace kv
