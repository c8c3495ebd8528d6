// A saver run on two monitors (scripts/with-two-monitors.sh): the renderer covers the primary,
// the host keeps the second dark without taking the keyboard, also over windows made topmost
// after the run began, and gives it back as it ends. The covers follow the renderer every
// 100 ms: they are back on top, and gone after the renderer's window, within a few hundred
// milliseconds (the tick-by-tick rule is checked in black_monitors_test, the interval itself
// in saver_host_timers_test).
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>

#include "tests/support/captured_pixels.h"
#include "tests/support/plain_window.h"
#include "harness/files.h"
#include "tests/support/send_input.h"
#include "tests/support/test_form.h"
#include "harness/wait.h"
#include "tests/support/wine_process.h"

namespace {

constexpr unsigned kStartMs = 30000;
// The renderer's end, then the host's 500 ms watch; allow for a loaded machine.
constexpr unsigned kEndMs = 13000;
// The covers' next follow tick, 100 ms away at most, and what a loaded machine adds to it.
constexpr ULONGLONG kFollowedWithinMs = 400;

// Whether the screen shows `colour` across the middle of `area`.
bool Shows(const RECT& area, COLORREF colour) {
  const CapturedPixels pixels = CapturedPixels::FromScreen(area);
  for (int i = 1; i < 4; ++i) {
    if (pixels.At(pixels.width() * i / 4, pixels.height() * i / 4) != colour ||
        pixels.At(pixels.width() * i / 4, pixels.height() * (4 - i) / 4) != colour) {
      return false;
    }
  }
  return true;
}

bool CoversAbove(HWND cover, HWND window) {
  for (HWND above = GetWindow(window, GW_HWNDPREV); above; above = GetWindow(above, GW_HWNDPREV)) {
    if (above == cover) return true;
  }
  return false;
}

TEST(TwoMonitors, TheHostKeepsTheSecondMonitorBlackWithoutTakingTheKeyboardUntilItEnds) {
  ASSERT_EQ(GetSystemMetrics(SM_CMONITORS), 2) << "run through scripts/with-two-monitors.sh";
  MONITORINFO second{};
  second.cbSize = sizeof second;
  GetMonitorInfoW(MonitorFromPoint({GetSystemMetrics(SM_CXSCREEN), 0}, MONITOR_DEFAULTTONULL), &second);
  const RECT area = second.rcMonitor;
  ASSERT_GT(area.right, area.left);
  // The test's form stands for the desktop (documents, mail) that the second monitor shows.
  SetWindowPos(TestForm(), nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
               SWP_NOACTIVATE | SWP_NOZORDER);
  ASSERT_TRUE(WaitUntil([&] { return Shows(area, FormBackground()); }, 5000));

  const std::wstring scr = BinFile(L"Korvane.scr");
  for (const auto& [arguments, kill] : {std::pair{L"/s", false}, {L"", false}, {L"/s", true}}) {
    SCOPED_TRACE(Utf8(arguments) + (kill ? ", renderer killed" : ", Escape after a click"));
    ChildProcess host = ChildProcess::Start(scr, L"\"" + scr + L"\" " + arguments);
    const HWND renderer = WaitForWindow(L"Korvane_VC", kStartMs);
    ASSERT_NE(renderer, nullptr) << "the renderer's window did not appear";
    EXPECT_TRUE(WaitUntil([&] { return Shows(area, RGB(0, 0, 0)); }, 5000)) << "the desktop still shows";
    const HWND cover = FindWindowW(L"Korvane_Black", nullptr);
    ASSERT_NE(cover, nullptr);
    if (!kill && arguments == std::wstring(L"/s")) {
      // Notifications or always-on-top tools raised on the black monitor during the run.
      for (int raise = 0; raise < 3; ++raise) {
        HWND onTop = CreatePlainWindow(WS_EX_TOPMOST | WS_EX_NOACTIVATE, L"always on top",
                                       WS_POPUP | WS_VISIBLE, area.left, area.top, 300, 200);
        const ULONGLONG raised = GetTickCount64();
        EXPECT_TRUE(WaitUntil([&] { return CoversAbove(cover, onTop); }, 5000))
            << "the topmost window stayed over the black monitor";
        const ULONGLONG back = GetTickCount64() - raised;
        std::printf("covers back on top %llu ms after a topmost window\n", back);
        EXPECT_LE(back, kFollowedWithinMs) << "covers back on top after a topmost window";
        EXPECT_TRUE(WaitUntil([&] { return Shows(area, RGB(0, 0, 0)); }, 5000));
        DestroyWindow(onTop);
      }
      SetForegroundWindow(renderer);  // Wine activated the test's window when it was shown
    }
    if (kill) {
      HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, WindowProcessId(renderer));
      TerminateProcess(process, 7);
      CloseHandle(process);
      // The covers go at the host's next follow tick (or with the host, should its watch come
      // first).
      const ULONGLONG killed = GetTickCount64();
      EXPECT_TRUE(WaitUntil([&] { return !IsWindow(cover); }, kEndMs)) << "the covers stayed";
      const ULONGLONG gone = GetTickCount64() - killed;
      std::printf("covers gone %llu ms after the renderer's window (host %s)\n", gone,
                  host.Running() ? "still running" : "already ended");
      EXPECT_LE(gone, kFollowedWithinMs) << "covers gone after the renderer's window";
    } else {
      SetCursorPos((area.left + area.right) / 2, (area.top + area.bottom) / 2);
      SendMouseButtons({MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP});
      PumpFor(500);
      EXPECT_EQ(GetForegroundWindow(), renderer) << "a click on the black monitor took the keyboard";
      EXPECT_TRUE(Shows(area, RGB(0, 0, 0))) << "the click uncovered the second monitor";
      SendKeys({{VK_ESCAPE, true}, {VK_ESCAPE, false}});
    }
    EXPECT_TRUE(host.WaitExit(kEndMs)) << "the saver did not end";
    EXPECT_TRUE(WaitUntil([&] { return Shows(area, FormBackground()); }, 5000))
        << "the desktop did not come back on the second monitor";
    if (HWND left = FindWindowW(nullptr, L"Korvane_VC")) PostMessageW(left, WM_CLOSE, 0, 0);
    WaitForNoWindow(L"Korvane_VC", kEndMs);
  }
}

}  // namespace
