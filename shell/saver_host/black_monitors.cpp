#include "shell/saver_host/black_monitors.h"

#include <utility>

#include "toolkit/gdi_object.h"
#include "toolkit/window.h"

namespace {

// Short, so that the other monitors go dark as the renderer's window appears.
constexpr UINT kFollowMs = 100;

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

}  // namespace

// One monitor's cover: black, without a pointer, and never active.
class BlackMonitors::BlackWindow final : public toolkit::Window {
 public:
  explicit BlackWindow(BlackMonitors& owner) : owner_(owner) {
    SetBackground(RGB(0, 0, 0));
    SetPointer(nullptr);
    Create({.className = L"Korvane_Black",
            .exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE,
            .style = WS_POPUP});
  }

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;  // a click here must leave the keyboard with the renderer
      case WM_DISPLAYCHANGE:  // monitors may have moved: follow at once, but not from here
        owner_.displayChanged_.SetEnabled(true);
        return 0;
      default:
        return Window::HandleMessage(message, wParam, lParam);
    }
  }

  BlackMonitors& owner_;
};

BlackMonitors::BlackMonitors() : followTimer_(kFollowMs), displayChanged_(USER_TIMER_MINIMUM) {
  followTimer_.Tick = [this] { Refresh(); };
  displayChanged_.Tick = [this] {
    displayChanged_.SetEnabled(false);
    Refresh();
  };
}

BlackMonitors::~BlackMonitors() { Clear(); }

void BlackMonitors::Follow(std::function<HWND()> findRenderer) {
  findRenderer_ = std::move(findRenderer);
  followTimer_.SetEnabled(true);
}

void BlackMonitors::Clear() {
  followTimer_.SetEnabled(false);
  displayChanged_.SetEnabled(false);
  Uncover();
}

void BlackMonitors::Uncover() {
  windows_.clear();
  coveredMonitors_.clear();
  coveredRenderer_ = {};
}

void BlackMonitors::Refresh() {
  HWND renderer = findRenderer_ ? findRenderer_() : nullptr;
  RECT area{};
  if (!renderer || !IsWindowVisible(renderer) || !GetWindowRect(renderer, &area)) {
    // The renderer's window has gone: its display mode is restored and the monitors move back,
    // so covers left where they were would lie over the user's desktop until the host ends.
    Uncover();
    return;
  }
  const ScreenRect rendererArea = FromRect(area);
  const std::vector<ScreenRect> monitors = MonitorsToCover(Monitors(), rendererArea);
  // A cover that could not be made last time is tried again.
  if (monitors != coveredMonitors_ || !(rendererArea == coveredRenderer_) ||
      windows_.size() != monitors.size()) {
    Cover(monitors, rendererArea);
  }
  KeepAbove();
}

void BlackMonitors::Cover(const std::vector<ScreenRect>& monitors, const ScreenRect& renderer) {
  if (windows_.size() > monitors.size()) windows_.resize(monitors.size());
  while (windows_.size() < monitors.size()) {
    auto window = std::make_unique<BlackWindow>(*this);
    if (!window->hwnd()) break;
    windows_.push_back(std::move(window));
  }
  for (std::size_t i = 0; i < windows_.size(); ++i) {
    const ScreenRect& m = monitors[i];
    // The renderer's part of a monitor it covers in part stays visible.
    toolkit::GdiObject<HRGN> region(CreateRectRgn(0, 0, m.right - m.left, m.bottom - m.top));
    const toolkit::GdiObject<HRGN> hole(CreateRectRgn(renderer.left - m.left, renderer.top - m.top,
                                                      renderer.right - m.left,
                                                      renderer.bottom - m.top));
    CombineRgn(region.get(), region.get(), hole.get(), RGN_DIFF);
    HWND window = windows_[i]->hwnd();
    // The hole first: a new cover shown whole, even for a moment, would hide the renderer.
    if (SetWindowRgn(window, region.get(), IsWindowVisible(window))) region.HandOver();
    SetWindowPos(window, HWND_TOPMOST, m.left, m.top, m.right - m.left, m.bottom - m.top,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
  }
  coveredMonitors_ = monitors;
  coveredRenderer_ = renderer;
}

void BlackMonitors::KeepAbove() {
  auto isCover = [this](HWND window) {
    for (const auto& cover : windows_) {
      if (cover->hwnd() == window) return true;
    }
    return false;
  };
  for (const auto& cover : windows_) {
    bool below = false;
    for (HWND above = GetWindow(cover->hwnd(), GW_HWNDPREV); above && !below;
         above = GetWindow(above, GW_HWNDPREV)) {
      below = IsWindowVisible(above) && !isCover(above);
    }
    // Raised only when needed, and never activated: the keyboard stays with the renderer.
    if (below) {
      SetWindowPos(cover->hwnd(), HWND_TOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    }
  }
}
