#include "shell/saver_host/saver_host.h"

#include <windows.h>

#include <string>

#include "shell/saver_host/black_monitors.h"
#include "shell/startup/modes.h"
#include "shell/music/cd_player.h"
#include "shell/music/mp3_player.h"
#include "shell/music/wav_player.h"
#include "shell/text/music_file_type.h"
#include "shell/settings/music_settings.h"
#include "shell/startup/renderer_file.h"
#include "shell/saver_host/renderer_watch.h"
#include "shell/saver_host/saver_cursor.h"
#include "toolkit/form.h"
#include "toolkit/program.h"
#include "toolkit/timer.h"

namespace {

constexpr UINT kMp3RepeatMs = 1000;
constexpr UINT kCdPollMs = 200;
constexpr UINT kRendererWatchMs = 500;

// Korvane_S: never shown; its hidden window's title tells a new start that a saver runs.
class SaverHostForm final : public toolkit::Form {
 public:
  SaverHostForm() : Form(Design()) {
    Timer1.Tick = [] { MP3_Repeat(); };
    Timer2.Tick = [this] {
      CD_Poll();
      Timer2.SetEnabled(CD_Continue);
    };
    Timer3.Tick = [this] { Timer3_Timer(); };
  }

 private:
  static toolkit::FormDesign Design() {
    toolkit::FormDesign design;
    design.caption = L"Korvane_Main";
    design.style = WS_OVERLAPPED;
    return design;
  }

  void OnLoad() override {
    Timer3.SetEnabled(true);
    startTick_ = GetTickCount64();
    if (BGM_Kind == kMusicCd) {
      CD_Open();
      Timer2.SetEnabled(true);  // the first poll starts the disc
    }
    if (BGM_Kind == kMusicFile) {
      const MusicFileType type = MusicFileTypeOf(BGM_File);
      if (type == MusicFileType::kWav) WAV_Play();
      if (type == MusicFileType::kMp3) {
        MP3_Open();
        Timer1.SetEnabled(true);
      }
    }
    rendererPath_ = RendererFileIn(toolkit::ProgramFolder());
    renderer_ = toolkit::StartProgram(rendererPath_);
    blackMonitors_.Follow([] { return FindWindowA(nullptr, "Korvane_VC"); });
  }

  void Timer3_Timer() {
    const bool windowExists = FindWindowA(nullptr, "Korvane_VC") != nullptr;
    const auto elapsed = static_cast<unsigned>(GetTickCount64() - startTick_);
    if (!watch_.RendererGone(windowExists, renderer_.Ended(), elapsed)) return;
    Timer3.SetEnabled(false);
    Unload();
  }

  // Runs whatever unloads the form; the unload is never refused.
  bool OnQueryUnload(toolkit::UnloadReason) override {
    if (Timer2.Enabled()) {
      Timer2.SetEnabled(false);
      CD_Close();
    }
    if (BGM_Kind == kMusicFile) {
      const MusicFileType type = MusicFileTypeOf(BGM_File);
      if (type == MusicFileType::kWav) WAV_Stop();
      if (type == MusicFileType::kMp3) {
        Timer1.SetEnabled(false);
        MP3_Close();
      }
    }
    if (ModeLetter(toolkit::ArgumentText()) == L'S') GiveCursorBack();
    blackMonitors_.Clear();
    toolkit::EndProcess();
  }

  toolkit::Timer Timer1{kMp3RepeatMs};
  toolkit::Timer Timer2{kCdPollMs};
  toolkit::Timer Timer3{kRendererWatchMs};
  std::wstring rendererPath_;
  toolkit::StartedProgram renderer_;
  RendererWatch watch_;
  BlackMonitors blackMonitors_;  // the renderer covers one monitor; these the others
  ULONGLONG startTick_ = 0;
};

}  // namespace

void LoadSaverHost() {
  // Lives until the process ends; QueryUnload ends it.
  static SaverHostForm host;
  host.Load();
}
