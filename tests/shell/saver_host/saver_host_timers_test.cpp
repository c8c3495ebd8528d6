// The host's timers as they really tick: the CD polled every 200 ms, the renderer watched every
// 500 ms. The host runs in a child copy of this program (its end ends the process) against the
// scripted CD drive, with a window titled Korvane_VC for the renderer; the child logs each timer
// tick it dispatches and each command the drive receives. Medians of many intervals hold on a
// loaded machine where one timed sample would not.
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
constexpr ULONGLONG kRendererShownMs = 3500;  // a dozen CD polls, half a dozen watch ticks

double NowMs() {
  LARGE_INTEGER count, frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return count.QuadPart * 1000.0 / frequency.QuadPart;
}

TEST(SaverHostInChild, RunsUntilTheRendererWindowGoes) {
  wchar_t path[MAX_PATH] = {};
  if (!GetEnvironmentVariableW(kLogVariable, path, MAX_PATH)) GTEST_SKIP() << "runs in the child only";
  // Written straight to the file: the host ends the process in the middle of a tick.
  HANDLE log = CreateFileW(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, 0, nullptr);
  auto line = [log](const std::string& text) {
    DWORD written = 0;
    WriteFile(log, (text + "\n").data(), static_cast<DWORD>(text.size() + 1), &written, nullptr);
  };
  ScriptedCdDrive drive;
  drive.onCommand = [&](const std::string& command) { line("command " + std::to_string(NowMs()) + " " + command); };
  HWND renderer = CreatePlainWindow(0, L"Korvane_VC", WS_POPUP, 0, 0, 10, 10);
  BGM_Kind = 1;
  BGM_Track = 0;
  LoadSaverHost();
  const ULONGLONG start = GetTickCount64();
  MSG message;
  while (GetTickCount64() - start < kRendererShownMs + 10000) {
    if (renderer && GetTickCount64() - start >= kRendererShownMs) {
      DestroyWindow(renderer);
      renderer = nullptr;
    }
    if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
      continue;
    }
    if (message.message == WM_TIMER) line("tick " + std::to_string(message.wParam) + " " + std::to_string(NowMs()));
    DispatchMessageW(&message);
  }
  ADD_FAILURE() << "the host did not end the process 10 s after the renderer's window went";
}

// Printed as well: the figure a loaded machine gives.
double MedianInterval(const char* what, const std::vector<double>& times) {
  std::vector<double> intervals;
  for (std::size_t i = 1; i < times.size(); ++i) intervals.push_back(times[i] - times[i - 1]);
  const double median = Median(intervals);
  std::printf("%s: median %.0f ms over %zu intervals\n", what, median, intervals.size());
  return median;
}

TEST(SaverHostTimers, PollTheCdEvery200MsAndWatchTheRendererEvery500Ms) {
  TempFolder folder(L"korvane host timers");
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  SetEnvironmentVariableW(kLogVariable, folder.File(L"log.txt").c_str());
  ChildProcess child = ChildProcess::Start(self, L"\"" + std::wstring(self) + L"\" --gtest_filter=SaverHostInChild.*");
  SetEnvironmentVariableW(kLogVariable, nullptr);
  ASSERT_TRUE(child.WaitExit(30000)) << "the child did not end";
  EXPECT_EQ(child.ExitCode(), 0u) << "the host ends the process with code 0";

  // The polls as the drive received them; the ticks by timer, and the timer whose tick
  // unloaded the host (the drive was stopped during it): the renderer watch.
  std::vector<double> polls;
  std::vector<std::pair<std::string, double>> ticks;
  std::string watch;
  std::istringstream lines(ReadBytes(folder.File(L"log.txt")));
  for (std::string kind, timer, command; lines >> kind;) {
    double atMs = 0;
    if (kind == "tick" && lines >> timer >> atMs) ticks.emplace_back(timer, atMs);
    if (kind == "command" && lines >> atMs && std::getline(lines >> std::ws, command)) {
      if (command == "status cdaudio current track") polls.push_back(atMs);
      if (command == "stop cdaudio" && !ticks.empty()) watch = ticks.back().first;
    }
  }
  ASSERT_GE(polls.size(), 8u) << "the CD was polled " << polls.size() << " times";
  EXPECT_NEAR(MedianInterval("CD poll", polls), 200, 50) << "the CD poll's interval";

  ASSERT_FALSE(watch.empty()) << "the host did not stop the CD when the renderer's window went";
  std::vector<double> watchTicks;
  for (const auto& [timer, atMs] : ticks) {
    if (timer == watch) watchTicks.push_back(atMs);
  }
  ASSERT_GE(watchTicks.size(), 4u) << "the renderer watch ticked " << watchTicks.size() << " times";
  EXPECT_NEAR(MedianInterval("renderer watch", watchTicks), 500, 100) << "the renderer watch's interval";
}

}  // namespace
