// The host's timers as they really tick: the MP3 examined every 1000 ms, the CD polled every
// 200 ms, the renderer watched every 500 ms and the covers following it every 100 ms. Hosts
// run in child copies of this program (a host's end ends its process), one with a CD chosen
// and one with an MP3, side by side, against the scripted drive and a window titled
// Korvane_VC for the renderer; each child logs every timer tick it dispatches and every
// command the drive receives. Medians of many intervals hold on a loaded machine where one
// timed sample would not: Wine keeps a timer on its schedule, so a tick handled late makes
// one interval longer and the next one shorter. A change of a fifth fails every bound.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "harness/files.h"
#include "harness/scripted_cd_drive.h"
#include "harness/sound_capture.h"
#include "harness/wait.h"
#include "shell/saver_host/saver_host.h"
#include "shell/settings/music_settings.h"
#include "tests/support/plain_window.h"
#include "tests/support/wine_process.h"

namespace {

constexpr wchar_t kLogVariable[] = L"KORVANE_HOST_TIMERS_LOG";
const std::string kPoll = "status cdaudio current track";
const std::string kRepeat = "status MP3Play mode";
constexpr std::size_t kRepeats = 10;  // ten seconds: some fifty polls, twenty watch ticks

double NowMs() {
  LARGE_INTEGER count, frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return count.QuadPart * 1000.0 / frequency.QuadPart;
}

void RunHost(std::int16_t kind, const std::string& file) {
  wchar_t path[MAX_PATH] = {};
  if (!GetEnvironmentVariableW(kLogVariable, path, MAX_PATH)) GTEST_SKIP() << "runs in a child only";
  // Written straight to the file: the host ends the process in the middle of a tick.
  HANDLE log = CreateFileW(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, 0, nullptr);
  auto line = [log](const std::string& text) {
    DWORD written = 0;
    WriteFile(log, (text + "\n").data(), static_cast<DWORD>(text.size() + 1), &written, nullptr);
  };
  ScriptedCdDrive drive;  // an MP3 alias it does not know fails every command, which is harmless
  drive.onCommand = [&](const std::string& command) {
    line("command " + std::to_string(NowMs()) + " " + command);
  };
  BGM_Kind = kind;
  BGM_Track = 0;
  BGM_File = file;
  LoadSaverHost();
  const ULONGLONG start = GetTickCount64();
  MSG message;
  while (GetTickCount64() - start < 90000) {
    if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
      continue;
    }
    if (message.message == WM_TIMER) {
      line("tick " + std::to_string(message.wParam) + " " + std::to_string(NowMs()));
    }
    DispatchMessageW(&message);
  }
  ADD_FAILURE() << "the host did not end the process";
}

TEST(SaverHostInChild, PlaysTheCd) { RunHost(1, ""); }
TEST(SaverHostInChild, PlaysAnMp3) { RunHost(2, "C:\\music\\song.mp3"); }

// What one child logged: the times of each timer's ticks and of each command, and for each
// command the timer whose tick last sent it.
struct HostLog {
  std::map<std::string, std::vector<double>> ticks, commands;
  std::map<std::string, std::string> sentBy;

  explicit HostLog(const std::string& text) {
    std::istringstream lines(text);
    std::string timer;
    for (std::string kind, command; lines >> kind;) {
      double atMs = 0;
      if (kind == "tick" && lines >> timer >> atMs) ticks[timer].push_back(atMs);
      if (kind == "command" && lines >> atMs && std::getline(lines >> std::ws, command)) {
        commands[command].push_back(atMs);
        sentBy[command] = timer;
      }
    }
  }
  std::size_t Count(const std::string& command) const {
    const auto found = commands.find(command);
    return found == commands.end() ? 0 : found->second.size();
  }
};

// Printed as well: the figure a loaded machine gives.
double MedianInterval(const std::string& what, const std::vector<double>& times) {
  std::vector<double> intervals;
  for (std::size_t i = 1; i < times.size(); ++i) intervals.push_back(times[i] - times[i - 1]);
  const double median = Median(intervals);
  std::printf("%s: median %.1f ms over %zu intervals\n", what.c_str(), median, intervals.size());
  return median;
}

// Within a tenth of its interval: a fifth more or less fails.
void ExpectInterval(const std::string& what, const std::vector<double>& times, double intervalMs) {
  EXPECT_NEAR(MedianInterval(what, times), intervalMs, intervalMs / 10) << what << "'s interval";
}

TEST(SaverHostTimers, RepeatTheMp3PollTheCdWatchTheRendererAndFollowItEachAtItsInterval) {
  TempFolder folder(L"korvane host timers");
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  HWND renderer = CreatePlainWindow(0, L"Korvane_VC", WS_POPUP, 0, 0, 10, 10);
  struct Host {
    std::wstring music;
    std::string tickCommand;  // what each tick of the music's timer sends first
    double intervalMs;        // the music timer's
    std::string close;        // what the host sends as it unloads
    ChildProcess child;
  } hosts[] = {{L"Cd", kPoll, 200, "close cdaudio", {}}, {L"Mp3", kRepeat, 1000, "close MP3Play", {}}};
  auto log = [&](const Host& host) { return HostLog(ReadBytes(folder.File(host.music + L".txt"))); };
  for (Host& host : hosts) {
    SetEnvironmentVariableW(kLogVariable, folder.File(host.music + L".txt").c_str());
    host.child = ChildProcess::Start(
        self, L"\"" + std::wstring(self) + L"\" --gtest_filter=SaverHostInChild.*" + host.music);
  }
  SetEnvironmentVariableW(kLogVariable, nullptr);
  EXPECT_TRUE(WaitUntil([&] { return log(hosts[1]).Count(kRepeat) > kRepeats; }, 60000, 200))
      << "the MP3 was examined " << log(hosts[1]).Count(kRepeat) << " times";
  DestroyWindow(renderer);

  for (const Host& host : hosts) {
    SCOPED_TRACE(Utf8(host.music));
    ASSERT_TRUE(host.child.WaitExit(30000)) << "the host did not end after the renderer's window";
    EXPECT_EQ(host.child.ExitCode(), 0u) << "the host ends the process with code 0";
    const HostLog logged = log(host);
    ASSERT_GT(logged.Count(host.tickCommand), kRepeats) << host.tickCommand;
    ExpectInterval(host.tickCommand, logged.commands.at(host.tickCommand), host.intervalMs);
    // The renderer watch: the timer whose tick closed the music as the window went. The
    // covers' follow: the busiest other timer on the host's thread.
    ASSERT_EQ(logged.Count(host.close), 1u) << "the music was not closed as the renderer's window went";
    const std::string watch = logged.sentBy.at(host.close);
    const std::vector<double>* follow = nullptr;
    for (const auto& [timer, times] : logged.ticks) {
      if (timer == watch || timer == logged.sentBy.at(host.tickCommand)) continue;
      if (!follow || times.size() > follow->size()) follow = &times;
    }
    ASSERT_NE(follow, nullptr) << "no timer follows the renderer";
    const std::vector<double>& watchTicks = logged.ticks.at(watch);
    const std::vector<double>& followTicks = *follow;
    ASSERT_GT(watchTicks.size(), kRepeats);
    ExpectInterval("renderer watch", watchTicks, 500);
    ASSERT_GT(followTicks.size(), 4 * kRepeats);
    ExpectInterval("covers' follow", followTicks, 100);
  }
}

}  // namespace
