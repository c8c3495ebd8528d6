#include "toolkit/ui_state.h"

namespace toolkit {

namespace {

// UIS_INITIALIZE as the change it stands for: both cues hidden, unless the system is set to
// show them always.
WPARAM Resolved(WPARAM change) {
  if (LOWORD(change) != UIS_INITIALIZE) return change;
  BOOL alwaysShown = FALSE;
  SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &alwaysShown, 0);
  return MAKEWPARAM(alwaysShown ? UIS_CLEAR : UIS_SET, UISF_HIDEFOCUS | UISF_HIDEACCEL);
}

}  // namespace

WORD UiStateAfter(WORD state, WPARAM change) {
  change = Resolved(change);
  const WORD flags = HIWORD(change) & (UISF_HIDEFOCUS | UISF_HIDEACCEL);
  if (LOWORD(change) == UIS_SET) return static_cast<WORD>(state | flags);
  if (LOWORD(change) == UIS_CLEAR) return static_cast<WORD>(state & ~flags);
  return state;
}

LRESULT UiState::Handle(HWND window, UINT message, WPARAM change, const std::function<void()>& changed) {
  if (message == WM_QUERYUISTATE) return flags_;
  if (message == WM_CHANGEUISTATE) {
    HWND parent = GetAncestor(window, GA_PARENT);
    if (parent && parent != GetDesktopWindow()) {
      SendMessageW(parent, WM_CHANGEUISTATE, change, 0);
      return 0;
    }
    // Decided here, once: the windows below are told the change itself.
    change = Resolved(change);
    if (UiStateAfter(flags_, change) != flags_) SendMessageW(window, WM_UPDATEUISTATE, change, 0);
    return 0;
  }
  const WORD before = flags_;
  flags_ = UiStateAfter(flags_, change);
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    SendMessageW(child, WM_UPDATEUISTATE, change, 0);
  }
  if (flags_ != before && changed) changed();
  return 0;
}

WPARAM UiStateChangeForKey(UINT message, WPARAM key) {
  if (message == WM_SYSKEYDOWN && key == VK_MENU) return MAKEWPARAM(UIS_CLEAR, UISF_HIDEACCEL);
  if (message != WM_KEYDOWN) return 0;
  switch (key) {
    case VK_TAB: case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN:
      return MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS);
    default:
      return 0;
  }
}

}  // namespace toolkit
