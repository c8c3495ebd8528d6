#include "toolkit/mouse_event.h"

#include <windowsx.h>

namespace toolkit {

MouseEvent MouseEventOf(int button, WPARAM keys, LPARAM position) {
  MouseEvent event{button, 0, GET_X_LPARAM(position), GET_Y_LPARAM(position)};
  if (!button) {
    event.button = ((keys & MK_LBUTTON) ? kLeftButton : 0) | ((keys & MK_RBUTTON) ? kRightButton : 0) |
                   ((keys & MK_MBUTTON) ? kMiddleButton : 0);
  }
  event.shift = ((keys & MK_SHIFT) ? kShift : 0) | ((keys & MK_CONTROL) ? kControl : 0) |
                (GetKeyState(VK_MENU) < 0 ? kAlt : 0);
  return event;
}

}  // namespace toolkit
