#include "toolkit/controls/user_control.h"

#include <cstdint>

#include "toolkit/dpi.h"
#include "toolkit/picture.h"

namespace toolkit::controls {

UserControl::UserControl(const wchar_t* className) : className_(className) {}

bool UserControl::Create(Window& parent, const UserControlDesign& design) {
  ambientFont_ = design.ambientFont;
  accessibleName_ = design.name;
  TwipsBox box = design.bounds;
  if (design.stored) {
    const std::int32_t none = INT32_MIN;
    const std::int32_t extentX = design.stored->ReadProperty<std::int32_t>(kExtentXName, none);
    const std::int32_t extentY = design.stored->ReadProperty<std::int32_t>(kExtentYName, none);
    if (extentX != none && extentX >= 0) box.width = HimetricToTwips(extentX);
    if (extentY != none && extentY >= 0) box.height = HimetricToTwips(extentY);
  }
  const RECT place = PixelsOf(box);
  // No CS_DBLCLKS: a quick second press arrives as a press, like the first.
  if (!Window::Create({.className = className_.c_str(),
                       .style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS,
                       .left = place.left, .top = place.top, .parent = parent.hwnd()})) {
    return false;
  }
  if (design.stored) {
    OnReadProperties(*design.stored);
  } else {
    OnInitProperties();
  }
  // Reading the values may have closed the window (a handler that unloads the form).
  if (!hwnd()) return false;
  SetWindowPos(hwnd(), nullptr, 0, 0, place.right - place.left, place.bottom - place.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  return true;
}

SIZE UserControl::Size() const {
  RECT client{};
  if (hwnd()) GetClientRect(hwnd(), &client);
  return SIZE{client.right, client.bottom};
}

bool UserControl::PaintPicture(HBITMAP picture, const TwipsBox& to, const TwipsBox& from) {
  return DrawPicture(hDC(), picture, PixelsOf(to), PicturePixelsOf(from));
}

}  // namespace toolkit::controls
