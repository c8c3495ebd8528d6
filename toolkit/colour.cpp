#include "toolkit/colour.h"

namespace toolkit {

bool IsValidColour(COLORREF colour) {
  if ((colour & 0xFF000000u) == 0) return true;
  return (colour & 0xFF000000u) == kSystemColourFlag &&
         (colour & 0x00FFFFFFu) <= kLastSystemColourIndex;
}

COLORREF ScreenColour(COLORREF colour) {
  if (!IsValidColour(colour)) return RGB(0, 0, 0);
  if (colour & kSystemColourFlag) return GetSysColor(static_cast<int>(colour & 0xFFu));
  return colour;
}

}  // namespace toolkit
