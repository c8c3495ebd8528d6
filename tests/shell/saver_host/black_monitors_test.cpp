// The black monitor covers in the test's own process, over a stand-in renderer window that
// leaves most of the bench's one monitor showing: the cover's hole, its styles, the order in
// which it is cut and shown, and what each follow tick does after a change.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "shell/saver_host/black_monitors.h"
#include "tests/support/plain_window.h"
#include "tests/support/unmanaged_windows.h"

namespace {

const auto* const kUnmanaged =
    ::testing::AddGlobalTestEnvironment(new UnmanagedWindows(L"shell_saver_host_test.exe"));

bool IsCover(HWND window) {
  wchar_t name[32] = {};
  GetClassNameW(window, name, 32);
  return lstrcmpW(name, L"Korvane_Black") == 0;
}

std::vector<HWND> Covers() {
  std::vector<HWND> covers;
  EnumThreadWindows(GetCurrentThreadId(), [](HWND window, LPARAM list) {
    if (IsCover(window)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
  }, reinterpret_cast<LPARAM>(&covers));
  return covers;
}

// Runs this thread's messages until the next timer tick has been handled (the covers' follow
// timer is the only timer here): "within one follow interval", counted in ticks, not time.
bool AfterNextTick() {
  const ULONGLONG end = GetTickCount64() + 5000;
  MSG message;
  while (GetTickCount64() < end) {
    if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
      continue;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
    if (message.message == WM_TIMER) return true;
  }
  return false;
}

bool Above(HWND window, HWND other) {
  for (HWND above = GetWindow(other, GW_HWNDPREV); above; above = GetWindow(above, GW_HWNDPREV)) {
    if (above == window) return true;
  }
  return false;
}

// Whether a cover was ever shown before its region was cut.
int shownWithoutHole = 0, shown = 0;
LRESULT CALLBACK WatchShowing(int code, WPARAM wParam, LPARAM lParam) {
  const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && call->message == WM_WINDOWPOSCHANGING && IsCover(call->hwnd) &&
      (reinterpret_cast<const WINDOWPOS*>(call->lParam)->flags & SWP_SHOWWINDOW) &&
      !IsWindowVisible(call->hwnd)) {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ++shown;
    shownWithoutHole += GetWindowRgn(call->hwnd, region) == ERROR;
    DeleteObject(region);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Refuses to make covers while `refusing`.
bool refusing = false;
int refused = 0;
LRESULT CALLBACK RefuseCovers(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND && refusing && IsCover(reinterpret_cast<HWND>(wParam))) {
    ++refused;
    return 1;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(BlackMonitors, CoversAroundTheRendererAreTriedUntilMadeStayOnTopNeverActiveAndGoWithItsWindow) {
  ASSERT_EQ(GetSystemMetrics(SM_CMONITORS), 1) << "the bench's one 1024 x 768 monitor";
  HWND renderer = CreatePlainWindow(0, L"stand-in renderer", WS_POPUP | WS_VISIBLE, 100, 100, 400, 300);
  SetForegroundWindow(renderer);
  HHOOK watch = SetWindowsHookExW(WH_CALLWNDPROC, WatchShowing, nullptr, GetCurrentThreadId());
  HHOOK refuse = SetWindowsHookExW(WH_CBT, RefuseCovers, nullptr, GetCurrentThreadId());
  refusing = true;
  BlackMonitors covers;
  covers.Follow([renderer] { return IsWindow(renderer) ? renderer : nullptr; });
  ASSERT_TRUE(AfterNextTick());
  EXPECT_GT(refused, 0);
  EXPECT_TRUE(Covers().empty());
  refusing = false;  // a cover that could not be made is tried again at the next tick
  ASSERT_TRUE(AfterNextTick());
  UnhookWindowsHookEx(watch);
  UnhookWindowsHookEx(refuse);

  const std::vector<HWND> made = Covers();
  ASSERT_EQ(made.size(), 1u) << "the monitor the renderer covers in part, made when no longer refused";
  const HWND cover = made[0];
  EXPECT_TRUE(IsWindowVisible(cover));
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(shownWithoutHole, 0) << "shown whole before its hole was cut";
  // Its window procedure keeps a click from activating it; the style keeps the system from
  // activating it when the foreground window closes ("The system does not bring this window
  // to the foreground when the user minimizes or closes the foreground window", Extended
  // Window Styles on learn.microsoft.com). Wine activates it all the same, so the style is read.
  const LONG_PTR wanted = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
  EXPECT_EQ(GetWindowLongPtrW(cover, GWL_EXSTYLE) & wanted, wanted);

  // The hole is the renderer's rectangle, and only that.
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(cover, region), ERROR);
  const struct { POINT point; bool black; } points[] = {
      {{0, 0}, true}, {{99, 99}, true}, {{100, 100}, false}, {{499, 399}, false},
      {{500, 250}, true}, {{300, 400}, true}, {{1023, 767}, true}};
  for (const auto& p : points) {
    EXPECT_EQ(PtInRegion(region, p.point.x, p.point.y) != FALSE, p.black)
        << "at (" << p.point.x << ", " << p.point.y << ")";
  }
  DeleteObject(region);

  // A window made topmost after the run started is covered again at the next tick.
  HWND later = CreatePlainWindow(WS_EX_TOPMOST | WS_EX_NOACTIVATE, L"always on top", WS_POPUP | WS_VISIBLE,
                                 600, 500, 200, 100);
  ASSERT_TRUE(Above(later, cover));
  SetForegroundWindow(renderer);
  ASSERT_TRUE(AfterNextTick());
  EXPECT_TRUE(Above(cover, later)) << "the window made topmost later still shows over the black monitor";
  EXPECT_EQ(GetForegroundWindow(), renderer) << "raising a cover must not activate it";

  // The covers go at the first tick after the renderer's window.
  DestroyWindow(renderer);
  ASSERT_TRUE(AfterNextTick());
  EXPECT_TRUE(Covers().empty()) << "the covers outlived the renderer's window";
  DestroyWindow(later);
}

}  // namespace

namespace display_change {

// The cover procedures running (for the sent messages the hooks see), and what happened while
// one ran. A cover's object goes with its window, so a procedure that returns after its window
// has gone ran on a destroyed object: a use after free that the trapped build does not see.
std::vector<HWND> running;
int displayChanges = 0, madeOrDestroyedInside = 0, returnedAfterItsWindow = 0;

LRESULT CALLBACK Enter(int code, WPARAM wParam, LPARAM lParam) {
  const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && IsCover(call->hwnd)) {
    running.push_back(call->hwnd);
    displayChanges += call->message == WM_DISPLAYCHANGE;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK Leave(int code, WPARAM wParam, LPARAM lParam) {
  const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
  if (code == HC_ACTION && !running.empty() && running.back() == call->hwnd) {
    running.pop_back();
    const bool itsOwnEnd = call->message == WM_DESTROY || call->message == WM_NCDESTROY;
    returnedAfterItsWindow += !itsOwnEnd && !IsWindow(call->hwnd);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK MakeOrDestroy(int code, WPARAM wParam, LPARAM lParam) {
  const bool cover = (code == HCBT_CREATEWND || code == HCBT_DESTROYWND) && IsCover(reinterpret_cast<HWND>(wParam));
  madeOrDestroyedInside += cover && !running.empty();
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The renderer's window goes as it puts the display mode back: the covers follow at once, and
// may take away the very cover told of the change.
TEST(BlackMonitors, CoversGoOutsideEveryCoversProcedureWhenTheDisplayChanges) {
  HWND renderer = CreatePlainWindow(0, L"stand-in renderer", WS_POPUP | WS_VISIBLE, 100, 100, 400, 300);
  const HHOOK hooks[] = {SetWindowsHookExW(WH_CALLWNDPROC, Enter, nullptr, GetCurrentThreadId()),
                         SetWindowsHookExW(WH_CALLWNDPROCRET, Leave, nullptr, GetCurrentThreadId()),
                         SetWindowsHookExW(WH_CBT, MakeOrDestroy, nullptr, GetCurrentThreadId())};
  BlackMonitors covers;
  covers.Follow([renderer] { return IsWindowVisible(renderer) ? renderer : nullptr; });
  ASSERT_TRUE(AfterNextTick());
  ASSERT_EQ(Covers().size(), 1u);
  ShowWindow(renderer, SW_HIDE);
  ASSERT_EQ(ChangeDisplaySettingsW(nullptr, 0), DISP_CHANGE_SUCCESSFUL);  // the mode put back
  ASSERT_GT(displayChanges, 0) << "no cover was told of the display change";
  ASSERT_TRUE(AfterNextTick());
  for (HHOOK hook : hooks) UnhookWindowsHookEx(hook);
  EXPECT_TRUE(Covers().empty());
  EXPECT_EQ(madeOrDestroyedInside, 0) << "covers made or destroyed inside a cover's procedure";
  EXPECT_EQ(returnedAfterItsWindow, 0) << "cover procedures that ran on past their destroyed window";
  DestroyWindow(renderer);
}

}  // namespace display_change
