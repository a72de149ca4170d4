// Scene sounds and background music of the show window.
#include <algorithm>
#include <cstdlib>
#include <optional>

#include "base/random.h"
#include "base/text.h"
#include "saver/kvfm_scr_svr.h"
#include "saver/music_playlist.h"
#include "scene/project.h"

namespace kv {
namespace {

// Random(|a - b|) + min(a, b): at least the smaller and below the larger bound.
int64_t RandomRange(int32_t a, int32_t b) {
  const int64_t span = std::llabs(static_cast<int64_t>(a) - b);
  const int32_t n = span > INT32_MAX ? INT32_MAX : static_cast<int32_t>(span);
  return static_cast<int64_t>(Random(n)) + std::min(a, b);
}

// The first existing place of a scene sound: the stored name, the workspace,
// the shared folder's "sounds/", the program's own "sounds/".
std::optional<std::string> FindSound(const ShowFiles& files, const std::string& fileName) {
  if (auto found = files.Find(fileName)) return found;
  const std::string name = NamePart(fileName);
  if (name.empty()) return std::nullopt;
  if (auto found = files.Find(files.WorkspaceFolder() + name)) return found;
  if (const std::optional<std::string> common = files.CommonFolder()) {
    if (auto found = files.Find(*common + "sounds/" + name)) return found;
  }
  return files.Find(files.ProgramFolder() + "sounds/" + name);
}

}  // namespace

void TKVfmScrSvr::LoadSceneSounds() {
  if (!scene_ || !sound_player_) return;
  Clock& clock = backend_.Ticks();
  const ShowFiles& files = backend_.Files();
  scene_sound_count_ = scene_->SoundCount();
  for (int32_t i = 0; i < scene_sound_count_; ++i) {
    TSoundState& state = sound_states_[static_cast<size_t>(i)];
    const TSoundRecord& record = scene_->Sounds[static_cast<size_t>(i)];
    state = TSoundState{};
    state.StartTick = clock.TickCount();
    const std::optional<std::string> path = FindSound(files, record.FileName);
    if (!path) continue;
    state.Loaded = true;
    try {
      sound_player_->AddSound(i, *path);
    } catch (...) {
      state.Loaded = false;
      continue;
    }
    if (record.PlayMode == 1) {
      state.NextPause = RandomRange(record.MinInterval, record.MaxInterval);
    } else if (record.PlayMode == 2) {
      state.NextPause = record.MinInterval;
    }
  }
}

void TKVfmScrSvr::UpdateSceneSounds() {
  if (!scene_ || !sound_player_) return;
  Clock& clock = backend_.Ticks();
  for (int32_t i = 0; i < scene_sound_count_; ++i) {
    TSoundState& state = sound_states_[static_cast<size_t>(i)];
    if (!state.Loaded) continue;
    const TSoundRecord& record = scene_->Sounds[static_cast<size_t>(i)];
    const int64_t elapsed = (clock.TickCount() - state.StartTick) / 1000;
    switch (record.PlayMode) {
      case 0:
        if (state.Started) continue;
        state.Started = true;
        sound_player_->Play(i, true);
        break;
      case 1:
        if (elapsed < state.NextPause) continue;
        state.StartTick = clock.TickCount();
        state.NextPause = RandomRange(record.MinInterval, record.MaxInterval);
        sound_player_->Play(i, false);
        break;
      case 2:
        if (elapsed < record.MinInterval) continue;
        state.StartTick = clock.TickCount();
        sound_player_->Play(i, false);
        break;
      default:
        continue;
    }
    ProcessMessages();
  }
}

void TKVfmScrSvr::StopSceneSounds() {
  scene_sound_count_ = 0;
  sound_states_ = {};
  if (!sound_player_) return;
  sound_player_->StopAll();
  sound_player_->ClearSounds();
}

void TKVfmScrSvr::StopWaveSound() {
  try {
    backend_.Sound().StopWave();
  } catch (...) {
  }
}

void TKVfmScrSvr::NextTrack(int32_t& index) {
  kv::NextTrack(index, static_cast<int32_t>(music_files_.size()), project_.Setting.MusicMode);
}

void TKVfmScrSvr::StartMusic() {
  const TKVCSetting& s = project_.Setting;
  if (!s.Music || s.MusicFile.empty()) return;
  music_started_ = true;
  try {
    music_files_ = BuildMusicFiles(s.MusicFile, backend_.Files().WorkspaceFolder());
    if (music_files_.empty()) return;
    music_index_ = -1;
    NextTrack(music_index_);
    MusicDevice& music = backend_.Music();
    music.SetNotify(true);
    music.Open(music_files_[static_cast<size_t>(music_index_)]);
    music.Play();
  } catch (...) {
    // The show runs without music.
  }
}

void TKVfmScrSvr::MediaPlayerNotify() {
  if (music_files_.empty()) return;
  MusicDevice& music = backend_.Music();
  struct RearmNotify {
    MusicDevice& device;
    ~RearmNotify() {
      try {
        device.SetNotify(true);
      } catch (...) {
      }
    }
  } rearm{music};
  if (music.Position() < music.Length()) return;
  NextTrack(music_index_);
  music.Close();
  music.Open(music_files_[static_cast<size_t>(music_index_)]);
  music.Play();
}

}  // namespace kv
