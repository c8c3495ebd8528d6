#pragma once
// A rectangle outline one pixel wide around its area, without a window; the inside shows
// what is under it.
#include <windows.h>

#include "toolkit/twips_box.h"
#include "toolkit/windowless_control.h"

namespace toolkit::controls {

class Shape : public toolkit::WindowlessControl {
 public:
  explicit Shape(const TwipsBox& box, COLORREF borderColour = RGB(0, 0, 0))
      : WindowlessControl(box), borderColour_(borderColour) {}

  void Paint(HDC dc) const override;

 private:
  COLORREF borderColour_;
};

}  // namespace toolkit::controls
