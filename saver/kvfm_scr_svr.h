#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "image/bitmap32.h"
#include "project/kvc_project.h"
#include "saver/effects/effect.h"
#include "saver/platform_interfaces.h"
#include "saver/sound_effect.h"

namespace kv {

class TAnimEngine;
class TProject;

// The show window: set-up, input rules, slide sequencing, scene sounds,
// music and transitions. It reaches the platform only through the backend.
// One instance per show; ShowModal runs it to the end.
class TKVfmScrSvr final : public ShowInput {
 public:
  using EffectTable = std::array<TEffect, kEffectCount + 1>;

  // Per-slot state of the scene sounds.
  struct TSoundState {
    bool Loaded = false;
    bool Started = false;
    uint32_t StartTick = 0;  // clock value at which the current pause began
    int64_t NextPause = 0;   // seconds
  };

  // The project is borrowed; it must outlive the window.
  TKVfmScrSvr(TKVCProject& project, ShowBackend& backend);
  ~TKVfmScrSvr() override;
  TKVfmScrSvr(const TKVfmScrSvr&) = delete;
  TKVfmScrSvr& operator=(const TKVfmScrSvr&) = delete;

  // FormShow, then the modal loop (messages; the idle handler whenever it is
  // installed) until a close request passes the close query; then FormClose.
  void ShowModal();

  // Set-up, close query and teardown.
  void FormShow();
  bool FormCloseQuery();
  void FormClose();

  // Input rules. They only request closing.
  void FormMouseMove(int32_t x, int32_t y);
  void FormMouseDown();
  void FormMouseUp() {}
  void FormKeyDown(int32_t virtualKey);
  void FormKeyPress(uint32_t character);
  void MediaPlayerNotify();

  // ShowInput: what the platform delivers.
  void MouseMove(int32_t x, int32_t y) override { FormMouseMove(x, y); }
  void MouseDown() override { FormMouseDown(); }
  void MouseUp() override { FormMouseUp(); }
  void KeyDown(int32_t virtualKey) override { FormKeyDown(virtualKey); }
  void KeyPress(uint32_t character) override { FormKeyPress(character); }
  void MusicNotify() override;
  void HostClose() override { RequestClose(); }

  // Slide sequencing.
  void BuildPlaylist();
  void PickNextSlide();
  // Loads NextFile. False when a scene file is missing or unreadable (the
  // current slide then stays); a still picture that cannot be decoded throws.
  bool LoadSlide();
  void IdleFrame();
  void DrawAndPace();
  void DrawFrame(int32_t x, int32_t y, const Bitmap32& frame);

  // Scene sounds and music.
  void LoadSceneSounds();
  void UpdateSceneSounds();
  void StopSceneSounds();
  void StopWaveSound();
  void StartMusic();
  void NextTrack(int32_t& index);

  // Transitions.
  void RunTransition(int32_t transitionTime);
  void TransitionStep();
  void PresentFrame(int32_t x, int32_t y, const Bitmap32& bitmap);

  // Replaces the effect table the transitions draw from (Effects() by
  // default); the table must outlive the window.
  void UseEffectTable(const EffectTable& table) { effects_ = &table; }

  // State, for the preview tools and tests.
  void RequestClose() { close_requested_ = true; }
  bool CloseRequested() const { return close_requested_; }
  bool UseDirectX() const { return use_directx_; }
  bool IdleInstalled() const { return idle_installed_; }
  int32_t MouseCountdown() const { return mouse_countdown_; }
  bool F1Switch() const { return f1_; }
  const std::vector<std::string>& Playlist() const { return playlist_; }
  int32_t PlaylistIndex() const { return playlist_index_; }
  const std::string& NextFile() const { return next_file_; }
  const std::string& CurrentFile() const { return current_file_; }
  bool IsPicture() const { return is_picture_; }
  const Bitmap32& Picture() const { return picture_; }
  int32_t SlideWidth() const { return slide_width_; }
  int32_t SlideHeight() const { return slide_height_; }
  uint32_t SlideStart() const { return slide_start_; }
  const TProject* Scene() const { return scene_.get(); }
  TAnimEngine* Engine() { return engine_.get(); }
  const std::vector<std::string>& AllowedEffects() const { return allowed_effects_; }
  const TSoundEffect* SoundPlayer() const { return sound_player_.get(); }
  const std::array<TSoundState, TSoundEffect::kSlots>& SoundStates() const { return sound_states_; }
  const std::vector<std::string>& MusicFiles() const { return music_files_; }
  int32_t MusicIndex() const { return music_index_; }
  const Bitmap32& OldFrame() const { return old_frame_; }
  const Bitmap32& NewFrame() const { return new_frame_; }
  const Bitmap32& WorkFrame() const { return work_frame_; }
  // Step count of the last transition run (-1 before the first).
  int32_t TransitionSteps() const { return transition_steps_; }

 private:
  void CopySettings();
  void ProcessMessages();
  void PaceRestOfFrame();
  bool LoadPictureSlide();
  bool LoadSceneSlide();
  int32_t ScreenWidth() const;
  int32_t ScreenHeight() const;

  TKVCProject& project_;
  ShowBackend& backend_;
  const EffectTable* effects_;

  // Window state.
  bool use_directx_ = false;
  bool idle_installed_ = false;
  bool close_requested_ = false;
  bool shown_ = false;
  bool closed_ = false;
  int32_t mouse_countdown_ = 5;
  int32_t last_mouse_x_ = -1;
  int32_t last_mouse_y_ = -1;
  bool f1_ = false;
  uint32_t last_frame_time_ = 0;

  // Playback settings, copied when the show starts.
  bool stretch_ = true;
  bool proportional_ = false;
  bool auto_advance_ = true;
  int32_t duration_ = 30;
  int32_t speed_ = 100;
  int32_t image_mode_ = 0;
  bool transition_ = true;
  int32_t transition_time_ = 2000;
  bool sound_ = true;

  // Slides.
  std::vector<std::string> playlist_;
  int32_t playlist_index_ = -1;
  std::string next_file_;
  std::string current_file_;
  bool is_picture_ = false;
  bool advance_now_ = false;
  Bitmap32 picture_;
  std::unique_ptr<TProject> scene_;
  std::unique_ptr<TAnimEngine> engine_;
  int32_t slide_width_ = 0;
  int32_t slide_height_ = 0;
  uint32_t slide_start_ = 0;

  // Transitions.
  std::vector<std::string> allowed_effects_;
  Bitmap32 old_frame_;
  Bitmap32 new_frame_;
  Bitmap32 work_frame_;
  int32_t off_x_ = 0;
  int32_t off_y_ = 0;
  TEffectProc effect_ = nullptr;
  int32_t progress_ = 0;
  int32_t transition_steps_ = -1;

  // Sounds and music.
  std::unique_ptr<TSoundEffect> sound_player_;
  std::array<TSoundState, TSoundEffect::kSlots> sound_states_{};
  int32_t scene_sound_count_ = 0;
  bool music_started_ = false;
  std::vector<std::string> music_files_;
  int32_t music_index_ = -1;
};

}  // namespace kv
