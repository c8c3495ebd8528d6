#include "toolkit/controls/control_site.h"

#include <cstdint>

#include "toolkit/dpi.h"

namespace toolkit::controls {

bool SiteControl(UserControl& control, HWND parent, const TwipsBox& placement,
                 const PropertyBag* stored) {
  TwipsBox box = placement;
  if (stored) {
    const std::int32_t none = INT32_MIN;
    const std::int32_t extentX = stored->ReadProperty<std::int32_t>(kExtentXName, none);
    const std::int32_t extentY = stored->ReadProperty<std::int32_t>(kExtentYName, none);
    if (extentX != none && extentX >= 0) box.width = HimetricToTwips(extentX);
    if (extentY != none && extentY >= 0) box.height = HimetricToTwips(extentY);
  }
  const RECT place = PixelsOf(box);
  if (!control.CreateControlWindow(parent, POINT{place.left, place.top})) return false;
  if (stored) {
    control.ReadProperties(*stored);
  } else {
    control.InitProperties();
  }
  // Reading the values may have closed the window (a handler that unloads the form).
  if (!control.hwnd()) return false;
  SetWindowPos(control.hwnd(), nullptr, 0, 0, place.right - place.left, place.bottom - place.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  return true;
}

PropertyBag SaveControl(UserControl& control) {
  PropertyBag bag;
  RECT client{};
  if (control.hwnd()) GetClientRect(control.hwnd(), &client);
  bag.Set(kExtentXName, static_cast<std::int32_t>(TwipsToHimetric(PixelsToTwips(client.right))));
  bag.Set(kExtentYName, static_cast<std::int32_t>(TwipsToHimetric(PixelsToTwips(client.bottom))));
  control.WriteProperties(bag);
  return bag;
}

}  // namespace toolkit::controls
