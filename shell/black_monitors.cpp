#include "shell/black_monitors.h"

#include <utility>

namespace {

// Short, so that the other monitors go dark as the renderer's window appears.
constexpr UINT kFollowMs = 100;
constexpr wchar_t kClassName[] = L"Korvane_Black";

ScreenRect FromRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT area, LPARAM list) {
  reinterpret_cast<std::vector<ScreenRect>*>(list)->push_back(FromRect(*area));
  return TRUE;
}

std::vector<ScreenRect> Monitors() {
  std::vector<ScreenRect> monitors;
  EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
  return monitors;
}

void RegisterClassOnce(WNDPROC procedure) {
  static const bool registered = [procedure] {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = kClassName;  // no class cursor: WM_SETCURSOR hides it
    return RegisterClassW(&windowClass) != 0;
  }();
  (void)registered;
}

}  // namespace

BlackMonitors::BlackMonitors() : followTimer_(kFollowMs) {
  followTimer_.onTimer = [this] { Refresh(); };
}

BlackMonitors::~BlackMonitors() { Clear(); }

void BlackMonitors::Follow(std::function<HWND()> findRenderer) {
  findRenderer_ = std::move(findRenderer);
  RegisterClassOnce(WindowProc);
  followTimer_.SetEnabled(true);
}

void BlackMonitors::Clear() {
  followTimer_.SetEnabled(false);
  for (HWND window : windows_) DestroyWindow(window);
  windows_.clear();
  coveredMonitors_.clear();
}

void BlackMonitors::Refresh() {
  HWND renderer = findRenderer_ ? findRenderer_() : nullptr;
  RECT area{};
  if (!renderer || !IsWindowVisible(renderer) || !GetWindowRect(renderer, &area)) return;
  const std::vector<ScreenRect> monitors = MonitorsToCover(Monitors(), FromRect(area));
  if (monitors == coveredMonitors_ && FromRect(area) == coveredRenderer_) return;
  Cover(monitors, FromRect(area));
}

void BlackMonitors::Cover(const std::vector<ScreenRect>& monitors, const ScreenRect& renderer) {
  while (windows_.size() > monitors.size()) {
    DestroyWindow(windows_.back());
    windows_.pop_back();
  }
  while (windows_.size() < monitors.size()) {
    HWND window = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kClassName, L"",
                                  WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    if (!window) break;
    windows_.push_back(window);
  }
  for (std::size_t i = 0; i < windows_.size(); ++i) {
    const ScreenRect& m = monitors[i];
    // The renderer's part of a monitor it covers in part stays visible.
    HRGN region = CreateRectRgn(0, 0, m.right - m.left, m.bottom - m.top);
    HRGN hole = CreateRectRgn(renderer.left - m.left, renderer.top - m.top, renderer.right - m.left,
                              renderer.bottom - m.top);
    CombineRgn(region, region, hole, RGN_DIFF);
    DeleteObject(hole);
    SetWindowPos(windows_[i], HWND_TOPMOST, m.left, m.top, m.right - m.left, m.bottom - m.top,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    if (!SetWindowRgn(windows_[i], region, TRUE)) DeleteObject(region);  // owned by the window on success
  }
  coveredMonitors_ = monitors;
  coveredRenderer_ = renderer;
}

LRESULT CALLBACK BlackMonitors::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;  // a click here must leave the keyboard with the renderer
    case WM_SETCURSOR:
      SetCursor(nullptr);
      return TRUE;
    case WM_NCCREATE:
      SetWindowLongPtrW(window, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
      break;
    case WM_DISPLAYCHANGE:  // monitors may have moved: follow at once
      if (auto* self = reinterpret_cast<BlackMonitors*>(GetWindowLongPtrW(window, GWLP_USERDATA))) self->Refresh();
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}
