#include "toolkit/controls/control_site.h"

#include <cstdint>

#include "toolkit/dpi.h"

namespace toolkit::controls {

bool SiteControl(UserControl& control, HWND parent, const SitePlacement& placement,
                 const PropertyBag* stored) {
  const double perPixel = control.TwipsPerPixel();
  if (!control.CreateControlWindow(parent, toolkit::TwipsToPixels(placement.left, perPixel),
                                   toolkit::TwipsToPixels(placement.top, perPixel), 0, 0)) {
    return false;
  }
  double width = placement.width;
  double height = placement.height;
  if (stored) {
    const std::int32_t none = INT32_MIN;
    std::int32_t extentX = stored->ReadProperty<std::int32_t>(kExtentXName, none);
    std::int32_t extentY = stored->ReadProperty<std::int32_t>(kExtentYName, none);
    if (extentX != none && extentX >= 0) width = toolkit::HimetricToTwips(extentX);
    if (extentY != none && extentY >= 0) height = toolkit::HimetricToTwips(extentY);
    control.ReadProperties(*stored);
  } else {
    control.InitProperties();
  }
  // Reading the values may have closed the window (a handler that unloads the form).
  if (!control.hwnd()) return false;
  SetWindowPos(control.hwnd(), nullptr, 0, 0, toolkit::TwipsToPixels(width, perPixel),
               toolkit::TwipsToPixels(height, perPixel), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  return true;
}

PropertyBag SaveControl(UserControl& control) {
  PropertyBag bag;
  RECT client{};
  if (control.hwnd()) GetClientRect(control.hwnd(), &client);
  const double perPixel = control.TwipsPerPixel();
  bag.Set(kExtentXName,
          static_cast<std::int32_t>(toolkit::TwipsToHimetric(toolkit::PixelsToTwips(client.right, perPixel))));
  bag.Set(kExtentYName,
          static_cast<std::int32_t>(toolkit::TwipsToHimetric(toolkit::PixelsToTwips(client.bottom, perPixel))));
  control.WriteProperties(bag);
  return bag;
}

}  // namespace toolkit::controls
