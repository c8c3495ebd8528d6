// A WAV file looped by Wine's own PlaySound, heard in the bench's capture.
#include "shell/music/wav_player.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <mmsystem.h>

#include <cstdio>
#include <cstring>
#include <utility>

#include "tests/shell/music/player_test.h"
#include "tests/support/wine_process.h"

namespace {

// 1.5 s that can be recognised in the capture: half a second of tone, then a second of silence.
constexpr double kToneSeconds = 0.5;
constexpr double kFileSeconds = 1.5;
// Six loops and more: plays 1 to 8, the last of which the stop may cut.
constexpr std::size_t kLoops = 6;
constexpr std::int32_t kUntouched = 0x5eed;

// Set in the child that runs without a wave output device; names the file it reports to.
constexpr char kNoDeviceReport[] = "KORVANE_NO_WAVE_DEVICE_REPORT";

double ProcessCpuSeconds() {
  FILETIME created, exited, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  auto seconds = [](FILETIME t) {
    return (static_cast<std::uint64_t>(t.dwHighDateTime) << 32 | t.dwLowDateTime) / 1e7;
  };
  return seconds(kernel) + seconds(user);
}

// Ends the test program with a message when a call it guards does not come back in time:
// a stuck player would otherwise hang the program until the test runner gives up.
class HangGuard {
 public:
  HangGuard(std::string what, DWORD timeoutMs) : what_(std::move(what)) {
    CreateTimerQueueTimer(&timer_, nullptr, &HangGuard::Expired, this, timeoutMs, 0, WT_EXECUTEONLYONCE);
  }
  // Waits for an expiry under way, which still reads what_.
  ~HangGuard() { DeleteTimerQueueTimer(nullptr, timer_, INVALID_HANDLE_VALUE); }
  HangGuard(const HangGuard&) = delete;
  HangGuard& operator=(const HangGuard&) = delete;

 private:
  static void CALLBACK Expired(void* self, BOOLEAN) {
    std::fprintf(stderr, "FAILED: %s did not come back\n", static_cast<HangGuard*>(self)->what_.c_str());
    std::fflush(stderr);
    ExitProcess(3);
  }
  std::string what_;
  HANDLE timer_ = nullptr;
};

class WavPlayer : public PlayerTest {
 protected:
  static void SetUpTestSuite() {
    media = std::make_unique<TempFolder>();
    ASSERT_TRUE(WriteBytes(media->File(L"loop.wav"),
                               ToneWaveBytes({{kToneSeconds, 440}, {kFileSeconds - kToneSeconds, 0}})));
  }
  void SetUp() override {
    if (std::getenv(kNoDeviceReport)) GTEST_SKIP() << "the child without a device runs only its own test";
    PlayerTest::SetUp();
    BGM_File = AnsiPath(media->File(L"loop.wav"));
  }
  void TearDown() override {
    WAV_Stop();
    BGM_File.clear();
  }
};

TEST_F(WavPlayer, PlaysTheFileOverAndOverUntilStopped) {
  LastResult = kUntouched;
  const std::uint64_t start = capture.FramesNow();
  WAV_Play();
  EXPECT_EQ(LastResult, TRUE);
  // Everything is read on the recording's own clock. A quiet gap shorter than the file's
  // second of silence (the sound system starved for a moment) does not split a tone.
  auto tones = [&] { return FindSoundRuns(capture.BlockPeaksSince(start), 300, 0.5); };
  const bool repeated = WaitUntil([&] { return tones().size() >= kLoops + 2; }, 40000, 100);
  WAV_Stop();
  const std::uint64_t stopped = capture.FramesNow();
  EXPECT_EQ(LastResult, TRUE);
  ASSERT_TRUE(repeated) << "the file was not repeated: " << tones().size() << " tones";

  // A loop that went on would sound once in every 1.5 s: 3 s recorded after the stop must end
  // in more quiet than the file holds, even if the capture showed the stop a little late.
  ASSERT_TRUE(capture.WaitForSeconds(stopped, 3.0, kHearTimeoutMs));
  EXPECT_GE(SilentTailSeconds(capture.BlockPeaksSince(start)), 1.6) << "sound went on after the stop";

  // Every play is the whole file and the next follows it at once: each tone is the file's
  // tone, each one the file's length after the one before. A starved sound system delays what
  // follows (never brings it early) by up to kStarvedSeconds, and may pause inside a tone,
  // which then counts the 10 ms blocks at the pause's edges twice.
  const std::vector<int> peaks = capture.BlockPeaksSince(start);
  const std::vector<SoundRun> runs = tones();
  for (std::size_t i = 0; i + 1 < runs.size(); ++i) {  // the last tone may be cut by the stop
    const double heard = HeardBetween(peaks, runs[i].start, runs[i].start + runs[i].length).seconds;
    const double spacing = runs[i + 1].start - runs[i].start;
    std::printf("tone %zu at %.2f s, %.2f s of it, the next %.2f s later\n", i, runs[i].start, heard,
                spacing);
    EXPECT_GE(heard, kToneSeconds - kCaptureEdgeSeconds) << "tone " << i;
    EXPECT_LE(heard, kToneSeconds + 0.1) << "tone " << i;
    EXPECT_GE(spacing, kFileSeconds - kCaptureEdgeSeconds) << "tone " << i + 1 << " came early";
    EXPECT_LE(spacing, kFileSeconds + kStarvedSeconds) << "tone " << i + 1 << " came late";
  }
}

TEST_F(WavPlayer, PathsWithBlanksJapaneseAndNearTheMaximumLengthPlay) {
  for (const std::string& path : AwkwardCopies(L"loop.wav", L".wav")) {
    BGM_File = path;
    const std::uint64_t start = capture.FramesNow();
    WAV_Play();
    EXPECT_TRUE(HearsSoundAfter(start, 50)) << BGM_File;
    WAV_Stop();
  }
}

TEST_F(WavPlayer, AFileThatCannotBePlayedStaysSilentEvenWhenASystemDefaultSoundIsSet) {
  // Where PlaySound may fall back on the default sound, give it one that would be heard.
  ASSERT_TRUE(WriteProfileStringA("Sounds", "Default", BGM_File.c_str()));
  const std::string missing = AnsiPath(media->File(L"missing.wav"));
  std::uint64_t mark = capture.FramesNow();
  PlaySoundA(missing.c_str(), nullptr, SND_ASYNC);
  const bool defaultHeard = HearsSoundAfter(mark, 50);
  PlaySoundA(nullptr, nullptr, 0);

  std::string strangeFormat = ToneWaveBytes({{0.5, 440}});
  strangeFormat[20] = '\x34';  // format tag 0x1234, which no device takes
  strangeFormat[21] = '\x12';
  const std::string tone = ToneWaveBytes({{0.5, 440}});
  struct Case {
    const wchar_t* name;
    std::string bytes;
  } cases[] = {
      {L"empty.wav", ""},
      {L"noise.wav", RandomBytes(64 * 1024)},
      {L"text.wav", "not a sound at all"},
      {L"header-only.wav", tone.substr(0, 44)},
      {L"no-samples.wav", ToneWaveBytes({})},
      {L"cut-in-format.wav", tone.substr(0, 30)},
      {L"strange-format.wav", strangeFormat},
  };
  std::vector<std::string> paths = {missing, "", AnsiPath(media->path())};
  for (const Case& c : cases) {
    ASSERT_TRUE(WriteBytes(media->File(c.name), c.bytes));
    paths.push_back(AnsiPath(media->File(c.name)));
  }

  mark = capture.FramesNow();
  for (const std::string& path : paths) {
    BGM_File = path;
    const double cpuBefore = ProcessCpuSeconds();
    WAV_Play();
    PumpFor(600);
    HangGuard guard("WAV_Stop after playing " + path, 20000);
    WAV_Stop();
    // A player looping a file without samples spins instead of waiting on the device.
    EXPECT_LT(ProcessCpuSeconds() - cpuBefore, 0.3) << path << ": the player spun";
  }
  capture.WaitForSeconds(mark, paths.size() * 0.6 + 1.0, kHearTimeoutMs);
  WriteProfileStringA("Sounds", "Default", nullptr);

  ASSERT_TRUE(defaultHeard) << "the default sound could not be set up, so this proves nothing";
  const std::vector<SoundRun> runs = FindSoundRuns(capture.BlockPeaksSince(mark));
  EXPECT_TRUE(runs.empty()) << "sound heard " << (runs.empty() ? 0 : runs[0].start) << " s in";
}

// Run in a child process whose sound system has no output device at all.
TEST(WavPlayerWithoutDevice, PlayDoesNothingAndStopIsHarmless) {
  const char* report = std::getenv(kNoDeviceReport);
  if (!report) GTEST_SKIP() << "runs in the child started by WithNoWaveOutputDevice...";
  std::string result = "waveOutGetNumDevs " + std::to_string(waveOutGetNumDevs());
  BGM_File = "Z:\\nonexistent\\any.wav";
  LastResult = kUntouched;
  WAV_Play();
  result += ", after play " + std::to_string(LastResult);
  WAV_Stop();
  result += ", after stop " + std::to_string(LastResult);
  ASSERT_TRUE(WriteBytes(std::wstring(report, report + std::strlen(report)), result));
}

TEST_F(WavPlayer, WithNoWaveOutputDevicePlayDoesNothingAndStopIsHarmless) {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  const std::wstring report = media->File(L"no-device-report.txt");

  // This environment plus a sound system without devices: no PulseAudio server and an ALSA
  // configuration that defines nothing. Wine gives a Windows child its parent's Unix
  // environment, so the child is started through the Unix `wine`, which takes this one.
  std::wstring environment;
  auto add = [&](const std::wstring& entry) { environment += entry + L'\0'; };
  wchar_t* inherited = GetEnvironmentStringsW();
  for (const wchar_t* entry = inherited; *entry; entry += wcslen(entry) + 1) add(entry);
  FreeEnvironmentStringsW(inherited);
  add(L"PULSE_SERVER=/nonexistent");
  add(L"ALSA_CONFIG_PATH=/dev/null");
  add(std::wstring(L"KORVANE_NO_WAVE_DEVICE_REPORT=") + report);
  const std::wstring wine = L"/usr/bin/wine";
  std::wstring commandLine = wine + L" \"" + self + L"\" --gtest_filter=WavPlayerWithoutDevice.*";
  const std::uint64_t mark = capture.FramesNow();
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  const BOOL started = CreateProcessW(wine.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                                     CREATE_UNICODE_ENVIRONMENT, environment.data(), nullptr, &startup, &info);
  const DWORD error = GetLastError();
  ASSERT_TRUE(started) << "could not start " << Utf8(wine) << ": " << ErrorText(error);
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
  // A Unix process cannot be waited on from here; the child reports when it is done.
  ASSERT_TRUE(WaitUntil([&] { return !ReadBytes(report).empty(); }, 60000)) << "no report";
  EXPECT_EQ(ReadBytes(report),
            "waveOutGetNumDevs 0, after play " + std::to_string(kUntouched) + ", after stop 1");
  EXPECT_TRUE(FindSoundRuns(capture.BlockPeaksSince(mark)).empty());
}

}  // namespace
