#include "toolkit/controls/user_control.h"

#include "toolkit/dpi.h"
#include "toolkit/picture.h"

namespace toolkit::controls {

UserControl::UserControl(const wchar_t* className) : className_(className) {}

bool UserControl::CreateControlWindow(HWND parent, POINT place) {
  // No CS_DBLCLKS: a quick second press arrives as a press, like the first.
  return Create({.className = className_.c_str(),
                 .style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS,
                 .left = place.x, .top = place.y, .parent = parent});
}

SIZE UserControl::Size() const {
  RECT client{};
  if (hwnd()) GetClientRect(hwnd(), &client);
  return SIZE{client.right, client.bottom};
}

bool UserControl::PaintPicture(HBITMAP picture, const TwipsBox& to, const TwipsBox& from) {
  return DrawPicture(hDC(), picture, PixelsOf(to), PixelsOf(from, kStandardDpi));
}

void UserControl::PropertyChanged(const std::string& name) {
  if (propertyChanged_) propertyChanged_(name);
}

LRESULT UserControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETFOCUS: OnGotFocus(); return 0;
    case WM_KILLFOCUS: OnLostFocus(); return 0;
    default: return Window::HandleMessage(message, wParam, lParam);
  }
}

}  // namespace toolkit::controls
