#include "platform/sdl_audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>


namespace kv {

SdlAudio::~SdlAudio() {
  if (!open_) return;
  Mix_HaltChannel(-1);
  Mix_HaltMusic();
  Mix_CloseAudio();
  Mix_Quit();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlAudio::Open() {
  if (open_) return true;
  if (failed_) return false;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    failed_ = true;
    return false;
  }
  Mix_Init(MIX_INIT_OGG | MIX_INIT_MP3 | MIX_INIT_MID);
  if (Mix_OpenAudioDevice(44100, AUDIO_S16SYS, 2, 2048, nullptr, SDL_AUDIO_ALLOW_ANY_CHANGE) != 0) {
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    failed_ = true;
    return false;
  }
  if (Mix_AllocateChannels(kSlotChannels + 1) < kSlotChannels + 1) {
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    failed_ = true;
    return false;
  }
  open_ = true;
  return true;
}

int MixVolumeFromCentibels(int hundredthsOfDecibel) {
  const double gain = std::pow(10.0, hundredthsOfDecibel / 2000.0);
  return std::clamp(static_cast<int>(std::lround(gain * MIX_MAX_VOLUME)), 0, MIX_MAX_VOLUME);
}

}  // namespace kv
