#include "toolkit/mouse_event.h"

#include <windowsx.h>

namespace toolkit {

MouseEvent MouseEventOf(int button, WPARAM keys, LPARAM position) {
  MouseEvent event;
  if (button) {
    event.button = button;
  } else {
    if (keys & MK_LBUTTON) event.button |= kLeftButton;
    if (keys & MK_RBUTTON) event.button |= kRightButton;
    if (keys & MK_MBUTTON) event.button |= kMiddleButton;
  }
  if (keys & MK_SHIFT) event.shift |= kShift;
  if (keys & MK_CONTROL) event.shift |= kControl;
  if (GetKeyState(VK_MENU) < 0) event.shift |= kAlt;
  event.x = GET_X_LPARAM(position);
  event.y = GET_Y_LPARAM(position);
  return event;
}

int ButtonOfMessage(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP: return kLeftButton;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_RBUTTONUP: return kRightButton;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_MBUTTONUP: return kMiddleButton;
    default: return 0;
  }
}

bool IsButtonDown(UINT message) {
  return message != WM_LBUTTONUP && message != WM_RBUTTONUP && message != WM_MBUTTONUP;
}

void ReleaseCaptureWhenNoButtonHeld(HWND window, WPARAM keys) {
  if ((keys & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0 && GetCapture() == window) {
    ReleaseCapture();
  }
}

}  // namespace toolkit
