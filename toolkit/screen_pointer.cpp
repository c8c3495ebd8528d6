#include "toolkit/screen_pointer.h"

namespace toolkit {
namespace {

ScreenPointer g_pointer = ScreenPointer::Default;

// Asks the window under the pointer for its pointer again, as a mouse move would.
void ShowPointerOfWindowUnderIt() {
  POINT point{};
  if (!GetCursorPos(&point)) return;
  HWND window = WindowFromPoint(point);
  if (!window || GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId()) {
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
    return;
  }
  const LRESULT hit = SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y));
  SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
               MAKELPARAM(static_cast<WORD>(hit), WM_MOUSEMOVE));
}

}  // namespace

void SetScreenPointer(ScreenPointer pointer) {
  g_pointer = pointer;
  if (HCURSOR cursor = ScreenPointerOverride()) {
    SetCursor(cursor);
  } else {
    ShowPointerOfWindowUnderIt();
  }
}

HCURSOR ScreenPointerOverride() {
  return g_pointer == ScreenPointer::Hourglass ? LoadCursor(nullptr, IDC_WAIT) : nullptr;
}

}  // namespace toolkit
