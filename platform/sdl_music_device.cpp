#include "platform/sdl_music_device.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <QCoreApplication>
#include <QEvent>
#include <algorithm>
#include <limits>

#include "base/error.h"
#include "platform/input_router.h"
#include "platform/sdl_audio.h"

namespace kv {
namespace {

const QEvent::Type kMusicFinished = static_cast<QEvent::Type>(QEvent::registerEventType());

// Carries which track ended (its generation) and whether it played out.
class MusicFinishedEvent final : public QEvent {
 public:
  MusicFinishedEvent(uint32_t generation, bool playedOut)
      : QEvent(kMusicFinished), generation(generation), playedOut(playedOut) {}
  uint32_t generation;
  bool playedOut;
};

std::atomic<SdlMusicDevice*> g_device{nullptr};

}  // namespace

SdlMusicDevice::SdlMusicDevice(SdlAudio& audio, InputRouter& router) : audio_(audio), router_(router) {
  g_device = this;
}

SdlMusicDevice::~SdlMusicDevice() {
  Close();
  if (audio_.IsOpen()) Mix_HookMusicFinished(nullptr);
  g_device = nullptr;
}

void SdlMusicDevice::OnMusicFinished() {
  // Audio thread (or inside Mix_HaltMusic): no SDL_mixer calls here.
  SdlMusicDevice* device = g_device.load();
  if (device == nullptr) return;
  QCoreApplication::postEvent(device, new MusicFinishedEvent(device->generation_.load(), !device->halting_.load()));
}

void SdlMusicDevice::Open(const std::string& path) {
  Close();
  if (!audio_.Open()) throw Error("No audio device");
  Mix_HookMusicFinished(&SdlMusicDevice::OnMusicFinished);
  Mix_Music* music = Mix_LoadMUS(path.c_str());
  if (music == nullptr) throw Error(Mix_GetError());
  music_ = music;
  ++generation_;
  const double seconds = Mix_MusicDuration(music_);
  length_ = seconds > 0 ? static_cast<int64_t>(seconds * 1000.0) : -1;
  ended_ = false;
}

void SdlMusicDevice::Play() {
  if (music_ == nullptr) throw Error("No music open");
  if (Mix_PlayMusic(music_, 0) != 0) throw Error(Mix_GetError());
  playStart_ = SDL_GetTicks64();
  playing_ = true;
  ended_ = false;
}

void SdlMusicDevice::Stop() {
  if (!playing_) return;
  halting_ = true;
  Mix_HaltMusic();
  halting_ = false;
  playing_ = false;
}

void SdlMusicDevice::Close() {
  Stop();
  if (music_ != nullptr) {
    Mix_FreeMusic(music_);
    music_ = nullptr;
  }
  length_ = -1;
  ended_ = false;
}

int64_t SdlMusicDevice::Length() const {
  if (length_ >= 0) return length_;
  // Unknown length: the track is as long as it has played once it has ended.
  if (ended_) return endPosition_;
  return std::numeric_limits<int64_t>::max();
}

int64_t SdlMusicDevice::Position() const {
  if (music_ == nullptr) return 0;
  if (ended_) return endPosition_;
  const double seconds = Mix_GetMusicPosition(music_);
  if (seconds >= 0) {
    const auto ms = static_cast<int64_t>(seconds * 1000.0);
    // A track still playing has not reached its end.
    return length_ >= 0 ? std::min(ms, length_ - 1) : ms;
  }
  return playing_ ? static_cast<int64_t>(SDL_GetTicks64()) - playStart_ : 0;
}

void SdlMusicDevice::SetNotify(bool notify) { notify_ = notify; }

void SdlMusicDevice::customEvent(QEvent* event) {
  if (event->type() != kMusicFinished) return;
  const auto* finished = static_cast<MusicFinishedEvent*>(event);
  if (finished->generation != generation_.load()) return;
  if (finished->playedOut) {
    ended_ = true;
    playing_ = false;
    endPosition_ = length_ >= 0 ? length_ : static_cast<int64_t>(SDL_GetTicks64()) - playStart_;
  }
  if (!notify_) return;
  notify_ = false;
  router_.MusicNotify();
}

}  // namespace kv
