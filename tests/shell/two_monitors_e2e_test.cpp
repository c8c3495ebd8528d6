// A saver run on two monitors (scripts/with-two-monitors.sh): the renderer covers the
// primary, the host keeps the second dark, and neither the keyboard nor the desktop is lost.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "support/captured_pixels.h"
#include "support/files.h"
#include "support/wait.h"
#include "support/wine_process.h"

namespace {

constexpr unsigned kStartMs = 30000;
constexpr unsigned kEndMs = 10000;
// The host looks for the renderer's window every 500 ms; allow for a loaded machine.
constexpr unsigned kHostEndMs = 3000;

BOOL CALLBACK AddSecondary(HMONITOR monitor, HDC, LPRECT, LPARAM found) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (GetMonitorInfoW(monitor, &info) && !(info.dwFlags & MONITORINFOF_PRIMARY)) {
    *reinterpret_cast<RECT*>(found) = info.rcMonitor;
  }
  return TRUE;
}

// A white window over the whole second monitor: the desktop a saver must hide.
class WhiteWindow {
 public:
  explicit WhiteWindow(const RECT& area) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = L"KorvaneTestWhite";
    RegisterClassW(&windowClass);
    window_ = CreateWindowExW(0, windowClass.lpszClassName, L"white", WS_POPUP | WS_VISIBLE, area.left,
                              area.top, area.right - area.left, area.bottom - area.top, nullptr,
                              nullptr, windowClass.hInstance, nullptr);
  }
  ~WhiteWindow() { DestroyWindow(window_); }
  WhiteWindow(const WhiteWindow&) = delete;
  WhiteWindow& operator=(const WhiteWindow&) = delete;

 private:
  HWND window_ = nullptr;
};

// Whether the screen shows `colour` at the centre and near each corner of `area`.
bool Shows(const RECT& area, COLORREF colour) {
  const CapturedPixels pixels = CapturedPixels::FromScreen(area);
  const int w = pixels.width(), h = pixels.height();
  for (auto [x, y] : std::vector<std::pair<int, int>>{{w / 2, h / 2}, {4, 4}, {w - 5, 4}, {4, h - 5}, {w - 5, h - 5}}) {
    if (pixels.At(x, y) != colour) return false;
  }
  return true;
}

void Send(std::vector<INPUT> inputs) {
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

INPUT Key(WORD key, bool down) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
  return input;
}

INPUT Button(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  return input;
}

class TwoMonitors : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(GetSystemMetrics(SM_CMONITORS), 2) << "run through scripts/with-two-monitors.sh";
    EnumDisplayMonitors(nullptr, nullptr, AddSecondary, reinterpret_cast<LPARAM>(&second_));
    ASSERT_GT(second_.right, second_.left);
  }
  void TearDown() override {
    if (HWND w = FindWindowW(nullptr, L"Korvane_VC")) PostMessageW(w, WM_CLOSE, 0, 0);
    WaitForNoWindow(L"Korvane_VC", kEndMs);
    WaitForNoWindow(L"Korvane_Main", kHostEndMs);
  }

  // Starts Korvane.scr, waits for the renderer and for the second monitor to go black.
  ChildProcess StartSaver(const wchar_t* arguments, HWND& renderer) {
    const std::wstring scr = BinFile(L"Korvane.scr");
    ChildProcess host = ChildProcess::Start(scr, L"\"" + scr + L"\" " + arguments);
    renderer = WaitForWindow(L"Korvane_VC", kStartMs);
    EXPECT_NE(renderer, nullptr) << "the renderer's window did not appear";
    EXPECT_TRUE(WaitUntil([&] { return Shows(second_, RGB(0, 0, 0)); }, 5000))
        << "the second monitor still shows the desktop";
    return host;
  }

  RECT second_{};
};

TEST_F(TwoMonitors, TheSecondMonitorStaysBlackThroughAClickAndEscapeStillEndsTheSaver) {
  WhiteWindow desktop(second_);
  ASSERT_TRUE(WaitUntil([&] { return Shows(second_, RGB(255, 255, 255)); }, 5000));
  for (const wchar_t* arguments : {L"/s", L""}) {
    SCOPED_TRACE(Utf8(arguments));
    HWND renderer = nullptr;
    ChildProcess host = StartSaver(arguments, renderer);
    ASSERT_NE(renderer, nullptr);
    SetCursorPos((second_.left + second_.right) / 2, (second_.top + second_.bottom) / 2);
    Send({Button(MOUSEEVENTF_LEFTDOWN), Button(MOUSEEVENTF_LEFTUP)});
    PumpFor(500);
    EXPECT_EQ(GetForegroundWindow(), renderer) << "a click on the black monitor took the focus";
    EXPECT_TRUE(Shows(second_, RGB(0, 0, 0))) << "the click uncovered the second monitor";
    Send({Key(VK_ESCAPE, true), Key(VK_ESCAPE, false)});
    EXPECT_TRUE(host.WaitExit(kEndMs + kHostEndMs)) << "Escape did not end the saver";
    EXPECT_TRUE(WaitUntil([&] { return Shows(second_, RGB(255, 255, 255)); }, 5000))
        << "the desktop did not come back on the second monitor";
  }
}

TEST_F(TwoMonitors, AKilledRendererGivesTheSecondMonitorBackWithTheHostsEnd) {
  WhiteWindow desktop(second_);
  HWND renderer = nullptr;
  ChildProcess host = StartSaver(L"/s", renderer);
  ASSERT_NE(renderer, nullptr);
  HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, WindowProcessId(renderer));
  ASSERT_NE(process, nullptr);
  TerminateProcess(process, 7);
  CloseHandle(process);
  EXPECT_TRUE(host.WaitExit(kHostEndMs)) << "the host outlived its renderer";
  EXPECT_TRUE(WaitUntil([&] { return Shows(second_, RGB(255, 255, 255)); }, kHostEndMs))
      << "the second monitor stayed black after the host ended";
}

}  // namespace
