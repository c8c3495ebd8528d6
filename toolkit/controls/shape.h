#pragma once
// A rectangle outline one pixel wide around its area, without a window; the inside shows
// what is under it.
#include <windows.h>

#include "toolkit/controls/windowless_control.h"

namespace toolkit::controls {

class Shape : public WindowlessControl {
 public:
  explicit Shape(const RECT& bounds = {}, COLORREF borderColour = RGB(0, 0, 0))
      : WindowlessControl(bounds), borderColour_(borderColour) {}

  void Paint(HDC dc) const override;

 private:
  COLORREF borderColour_;
};

}  // namespace toolkit::controls
