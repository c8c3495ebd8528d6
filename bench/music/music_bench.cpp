// What the music player costs: CPU per CD poll and per MP3 repeat tick, and how long after
// WAV_Play or MP3_Open the first sound reaches the bench's capture.
#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "harness/scripted_cd_drive.h"
#include "shell/music/cd_player.h"
#include "shell/music/mci_command.h"
#include "shell/music/mp3_player.h"
#include "shell/music/wav_player.h"
#include "shell/settings/music_settings.h"
#include "harness/sound_capture.h"
#include "harness/test_media.h"
#include "harness/wait.h"

namespace {

double CpuSeconds() {
  FILETIME created, exited, kernel, user;
  GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
  auto seconds = [](FILETIME t) {
    return (static_cast<unsigned long long>(t.dwHighDateTime) << 32 | t.dwLowDateTime) / 1e7;
  };
  return seconds(kernel) + seconds(user);
}

double WallSeconds() {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(now.QuadPart) / frequency.QuadPart;
}

struct Cost {
  double cpu;
  double wall;
};

Cost Loop(int count, const std::function<void()>& body) {
  const double cpu = CpuSeconds(), wall = WallSeconds();
  for (int i = 0; i < count; ++i) body();
  return {CpuSeconds() - cpu, WallSeconds() - wall};
}

// Runs `step` `count` times, each after `prepare`, and prints the CPU and wall time of one
// step in microseconds (a loop of `prepare` alone is taken off).
void Measure(const char* what, int count, const std::function<void()>& step,
             const std::function<void()>& prepare = [] {}) {
  const Cost both = Loop(count, [&] {
    prepare();
    step();
  });
  const Cost alone = Loop(count, prepare);
  std::printf("%-62s %8.1f us CPU %8.1f us wall  (%d runs)\n", what,
              (both.cpu - alone.cpu) / count * 1e6, (both.wall - alone.wall) / count * 1e6, count);
}

// Seconds from the call to the first 10 ms of sound in the capture, or -1 when none came.
double DelayToSound(SoundCapture& capture, const std::function<void()>& start) {
  const std::uint64_t mark = capture.FramesNow();
  start();
  std::vector<SoundRun> runs;
  WaitUntil([&] { return !(runs = FindSoundRuns(capture.BlockPeaksSince(mark))).empty(); }, 8000);
  return runs.empty() ? -1 : runs[0].start;
}

void PrintDelays(const char* what, std::vector<double> delays) {
  std::sort(delays.begin(), delays.end());
  std::printf("%-62s median %4.0f ms, min %4.0f ms, max %4.0f ms  (%zu starts)\n", what,
              delays[delays.size() / 2] * 1000, delays.front() * 1000, delays.back() * 1000,
              delays.size());
}

}  // namespace

int main() {
  {
    ScriptedCdDrive drive;
    BGM_Track = 3;
    CD_Open();
    drive.currentTrack = 3;
    drive.mode = "playing";
    Measure("CD_Poll, scripted drive on its track (3 queries)", 100000, [] { CD_Poll(); },
            [&] { drive.sent.clear(); });
    Measure("CD_Poll, scripted drive moved on (3 queries, position, play)", 100000,
            [] { CD_Poll(); }, [&] {
              drive.sent.clear();
              drive.currentTrack = 4;
            });
  }
  CD_Open();
  Measure("CD_Poll, Wine's cdaudio without a drive (first query fails)", 2000, [] { CD_Poll(); });
  CD_Close();

  TempFolder folder;
  SoundCapture capture;
  const std::string mp3 = KORVANE_TEST_MEDIA_DIR "\\tone.mp3";
  BGM_File = mp3;
  MP3_Open();
  if (!MP3_IsPlaying()) std::printf("%s does not play: MP3 figures are void\n", mp3.c_str());
  Measure("MP3_Repeat tick while playing (1 status query)", 2000, [] { MP3_Repeat(); });
  Measure("MP3_Repeat tick that restarts a paused file (status, stop, play)", 200,
          [] { MP3_Repeat(); }, [] { mciSendStringA("pause MP3Play", nullptr, 0, nullptr); });
  MP3_Close();

  if (!capture.available()) {
    std::printf("no capture (KORVANE_CAPTURE): start delays not measured\n");
    return 0;
  }
  std::vector<double> mp3Delays, wavDelays;
  for (int i = 0; i < 7; ++i) {
    BGM_File = mp3;
    mp3Delays.push_back(DelayToSound(capture, [] { MP3_Open(); }));
    MP3_Close();
    PumpFor(500);
  }
  const std::wstring wav = folder.File(L"tone.wav");
  WriteBytes(wav, ToneWaveBytes({{1.0, 440}}));
  for (int i = 0; i < 7; ++i) {
    BGM_File = AnsiPath(wav);
    wavDelays.push_back(DelayToSound(capture, [] { WAV_Play(); }));
    WAV_Stop();
    PumpFor(500);
  }
  PrintDelays("MP3_Open to the first sound in the capture", mp3Delays);
  PrintDelays("WAV_Play to the first sound in the capture", wavDelays);
  return 0;
}
