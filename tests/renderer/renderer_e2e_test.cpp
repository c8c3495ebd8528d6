// The real Korvane.dll started as Windows and the shell would start it, driven from outside.
#include <gtest/gtest.h>
#include <windows.h>

#include "tests/support/send_input.h"
#include "tests/support/unmanaged_windows.h"
#include "harness/wait.h"
#include "tests/support/wine_process.h"

namespace {

constexpr unsigned kStartTimeoutMs = 20000;
constexpr unsigned kExitTimeoutMs = 10000;

struct RunningRenderer {
  ChildProcess process;
  HWND window = nullptr;
};

RunningRenderer StartRenderer(const std::wstring& arguments = L"") {
  RunningRenderer r;
  std::wstring program = BinFile(L"Korvane.dll");
  r.process = ChildProcess::Start(program, L"\"" + program + L"\"" + arguments);
  r.window = WaitForWindow(L"Korvane_VC", kStartTimeoutMs);
  EXPECT_NE(r.window, nullptr) << "no window titled Korvane_VC appeared";
  if (r.window) {
    EXPECT_EQ(WindowProcessId(r.window), r.process.id());
    // The window appears before the loop runs: wait until it is the foreground window and the
    // loop answers messages.
    EXPECT_TRUE(WaitUntil([&] {
      DWORD_PTR answer = 0;
      return GetForegroundWindow() == r.window &&
             SendMessageTimeoutW(r.window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &answer) != 0;
    }, kStartTimeoutMs)) << "the renderer's loop did not come up";
  }
  return r;
}

void ExpectEndsWithCodeZero(RunningRenderer& r, const char* how) {
  ASSERT_TRUE(r.process.WaitExit(kExitTimeoutMs)) << how << " did not end the renderer";
  EXPECT_EQ(r.process.ExitCode(), 0u) << how;
  EXPECT_EQ(FindWindowW(nullptr, L"Korvane_VC"), nullptr) << how;
}

bool CursorShowing() {
  CURSORINFO info{};
  info.cbSize = sizeof info;
  GetCursorInfo(&info);
  return (info.flags & CURSOR_SHOWING) != 0;
}

// Its window closes at once on a desktop without a window manager.
const auto* const kUnmanaged = ::testing::AddGlobalTestEnvironment(new UnmanagedWindows(L"Korvane.dll"));

class RendererProgram : public ::testing::Test {
 protected:
  void TearDown() override {
    // Never leave a renderer behind for the next case.
    if (HWND w = FindWindowW(nullptr, L"Korvane_VC")) PostMessageW(w, WM_CLOSE, 0, 0);
    WaitForNoWindow(L"Korvane_VC", kExitTimeoutMs);
  }
};

TEST_F(RendererProgram, OpensOneFullScreenWindowTheShellCanFind) {
  RunningRenderer r = StartRenderer();
  ASSERT_NE(r.window, nullptr);
  wchar_t className[32] = {};
  GetClassNameW(r.window, className, 32);
  EXPECT_STREQ(className, L"window");
  RECT rect{};
  GetWindowRect(r.window, &rect);
  EXPECT_EQ(rect.left, 0);
  EXPECT_EQ(rect.top, 0);
  EXPECT_EQ(rect.right - rect.left, 1024);
  EXPECT_EQ(rect.bottom - rect.top, 768);
  LONG style = GetWindowLongW(r.window, GWL_STYLE);
  EXPECT_EQ(static_cast<DWORD>(style) & 0xFFFF0000u, 0x86000000u | WS_VISIBLE) << std::hex << style;
  EXPECT_TRUE(GetWindowLongW(r.window, GWL_EXSTYLE) & WS_EX_APPWINDOW);
  EXPECT_EQ(GetForegroundWindow(), r.window);
  PostMessageW(r.window, WM_CLOSE, 0, 0);
  ExpectEndsWithCodeZero(r, "WM_CLOSE");
}

TEST_F(RendererProgram, EndsOnWmCloseFromAnotherProcess) {
  RunningRenderer r = StartRenderer();
  ASSERT_NE(r.window, nullptr);
  PostMessageW(r.window, WM_CLOSE, 0, 0);
  ExpectEndsWithCodeZero(r, "WM_CLOSE");
}

TEST_F(RendererProgram, EndsOnWmQuitPostedToItsWindow) {
  RunningRenderer r = StartRenderer();
  ASSERT_NE(r.window, nullptr);
  PostMessageW(r.window, WM_QUIT, 0, 0);
  ExpectEndsWithCodeZero(r, "WM_QUIT");
}

TEST_F(RendererProgram, EndsOnEscape) {
  RunningRenderer r = StartRenderer();
  ASSERT_NE(r.window, nullptr);
  SendKeys({{VK_ESCAPE, true}, {VK_ESCAPE, false}});
  ExpectEndsWithCodeZero(r, "Escape");
}

TEST_F(RendererProgram, EndsOnAltF4) {
  RunningRenderer r = StartRenderer();
  ASSERT_NE(r.window, nullptr);
  SendKeys({{VK_MENU, true}, {VK_F4, true}, {VK_F4, false}, {VK_MENU, false}});
  ExpectEndsWithCodeZero(r, "Alt+F4");
}

TEST_F(RendererProgram, OtherKeysMouseMovesAndClicksLeaveItRunning) {
  RunningRenderer r = StartRenderer();
  ASSERT_NE(r.window, nullptr);
  SendKeys({{'A', true}, {'A', false}, {VK_SPACE, true}, {VK_SPACE, false},
            {VK_RETURN, true}, {VK_RETURN, false}, {VK_F4, true}, {VK_F4, false},
            {VK_MENU, true}, {VK_MENU, false}});
  SetCursorPos(100, 100);
  SetCursorPos(700, 500);
  SendMouseButtons(
      {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP});
  PostMessageW(r.window, WM_KEYDOWN, 'Q', 0);
  PostMessageW(r.window, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  PumpFor(1500);
  EXPECT_TRUE(r.process.Running()) << "exit code " << r.process.ExitCode();
  EXPECT_TRUE(IsWindow(r.window));
  // Still responsive: Escape ends it.
  SendKeys({{VK_ESCAPE, true}, {VK_ESCAPE, false}});
  ExpectEndsWithCodeZero(r, "Escape after other input");
}

TEST_F(RendererProgram, ArgumentsChangeNothing) {
  for (const wchar_t* args : {L" /s", L" /p 12345", L" /c:99 extra words", L" -garbage \"x y\""}) {
    RunningRenderer r = StartRenderer(args);
    ASSERT_NE(r.window, nullptr) << args;
    RECT rect{};
    GetWindowRect(r.window, &rect);
    EXPECT_EQ(rect.right, 1024) << args;
    PostMessageW(r.window, WM_CLOSE, 0, 0);
    ExpectEndsWithCodeZero(r, "WM_CLOSE with arguments");
  }
}

TEST_F(RendererProgram, HidesTheCursorWhileRunningAndShowsItAfter) {
  ASSERT_TRUE(CursorShowing());
  RunningRenderer r = StartRenderer();
  ASSERT_NE(r.window, nullptr);
  EXPECT_TRUE(WaitUntil([] { return !CursorShowing(); }, 2000)) << "cursor still showing";
  PostMessageW(r.window, WM_CLOSE, 0, 0);
  ExpectEndsWithCodeZero(r, "WM_CLOSE");
  EXPECT_TRUE(WaitUntil(CursorShowing, 2000)) << "cursor not shown again";
}

}  // namespace
