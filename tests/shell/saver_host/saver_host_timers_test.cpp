// The host's timers as they really tick: the CD polled every 200 ms and the renderer watched
// every 500 ms. The host runs in a child copy of this program (its end ends the process)
// against the scripted CD drive, with a window titled Korvane_VC standing in for the renderer;
// the child logs every timer tick it dispatches and every command the drive receives.
// Medians of many intervals, read from the timers' own messages, hold on a loaded machine.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "harness/files.h"
#include "harness/scripted_cd_drive.h"
#include "harness/sound_capture.h"
#include "shell/saver_host/saver_host.h"
#include "shell/settings/music_settings.h"
#include "tests/support/plain_window.h"
#include "tests/support/wine_process.h"

namespace {

constexpr wchar_t kLogVariable[] = L"KORVANE_HOST_TIMERS_LOG";
// Long enough for a dozen CD polls and half a dozen watch ticks.
constexpr ULONGLONG kRendererShownMs = 3500;

double NowMs() {
  LARGE_INTEGER count, frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return count.QuadPart * 1000.0 / frequency.QuadPart;
}

// Lines written straight to the file, so that they survive the host ending the process.
class Log {
 public:
  explicit Log(const std::wstring& path)
      : file_(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, 0, nullptr)) {}
  void Line(const std::string& text) {
    DWORD written = 0;
    const std::string line = text + "\n";
    WriteFile(file_, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  }

 private:
  HANDLE file_;
};

// Runs only in the child: the host with a CD to poll and a renderer window that goes after a
// while; the host's unload ends this process.
TEST(SaverHostInChild, RunsUntilTheRendererWindowGoes) {
  wchar_t path[MAX_PATH] = {};
  if (!GetEnvironmentVariableW(kLogVariable, path, MAX_PATH)) GTEST_SKIP() << "runs in the child only";
  Log log(path);
  ScriptedCdDrive drive;
  drive.onCommand = [&](const std::string& command) {
    log.Line("command " + std::to_string(NowMs()) + " " + command);
  };
  HWND renderer = CreatePlainWindow(0, L"Korvane_VC", WS_POPUP, 0, 0, 10, 10);
  ASSERT_NE(renderer, nullptr);
  BGM_Kind = 1;
  BGM_Track = 0;
  LoadSaverHost();
  const ULONGLONG start = GetTickCount64();
  MSG message;
  while (GetTickCount64() - start < kRendererShownMs + 10000) {
    if (renderer && GetTickCount64() - start >= kRendererShownMs) {
      DestroyWindow(renderer);
      renderer = nullptr;
      log.Line("renderer gone " + std::to_string(NowMs()));
    }
    if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
      continue;
    }
    if (message.message == WM_TIMER) {
      log.Line("tick " + std::to_string(message.wParam) + " " + std::to_string(NowMs()));
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  ADD_FAILURE() << "the host did not end the process 10 s after the renderer's window went";
}

struct Tick {
  std::string timer;
  double atMs;
};

std::vector<double> Intervals(const std::vector<double>& times) {
  std::vector<double> intervals;
  for (std::size_t i = 1; i < times.size(); ++i) intervals.push_back(times[i] - times[i - 1]);
  return intervals;
}

TEST(SaverHostTimers, PollTheCdEvery200MsAndWatchTheRendererEvery500Ms) {
  TempFolder folder(L"korvane host timers");
  const std::wstring logPath = folder.File(L"log.txt");
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  SetEnvironmentVariableW(kLogVariable, logPath.c_str());
  ChildProcess child = ChildProcess::Start(self, L"\"" + std::wstring(self) + L"\" --gtest_filter=SaverHostInChild.*");
  SetEnvironmentVariableW(kLogVariable, nullptr);
  ASSERT_TRUE(child.WaitExit(30000)) << "the child did not end";
  EXPECT_EQ(child.ExitCode(), 0u) << "the host ends the process with code 0";

  // The polls, as the drive received them; the ticks, and which timer's tick unloaded the host
  // (the one during which the drive was stopped).
  std::vector<double> polls;
  std::vector<Tick> ticks;
  std::string unloadingTimer;
  std::istringstream lines(ReadBytes(logPath));
  for (std::string line; std::getline(lines, line);) {
    std::istringstream fields(line);
    std::string kind, first;
    double atMs = 0;
    fields >> kind;
    if (kind == "tick") {
      fields >> first >> atMs;
      ticks.push_back({first, atMs});
    } else if (kind == "command") {
      fields >> atMs;
      std::string command;
      std::getline(fields >> std::ws, command);
      if (command == "status cdaudio current track") polls.push_back(atMs);
      if (command == "stop cdaudio" && !ticks.empty()) unloadingTimer = ticks.back().timer;
    }
  }
  ASSERT_GE(polls.size(), 8u) << "the CD was polled " << polls.size() << " times";
  const double pollMs = Median(Intervals(polls));
  std::printf("CD poll: median %.0f ms over %zu intervals\n", pollMs, polls.size() - 1);
  EXPECT_NEAR(pollMs, 200, 50) << "the CD poll's interval";

  ASSERT_FALSE(unloadingTimer.empty()) << "the host did not stop the CD when the renderer went";
  std::vector<double> watchTicks;
  for (const Tick& tick : ticks) {
    if (tick.timer == unloadingTimer) watchTicks.push_back(tick.atMs);
  }
  ASSERT_GE(watchTicks.size(), 4u) << "the renderer watch ticked " << watchTicks.size() << " times";
  const double watchMs = Median(Intervals(watchTicks));
  std::printf("renderer watch: median %.0f ms over %zu intervals\n", watchMs, watchTicks.size() - 1);
  EXPECT_NEAR(watchMs, 500, 100) << "the renderer watch's interval";
}

}  // namespace
