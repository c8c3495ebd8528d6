#pragma once
// A rectangle outline one pixel wide around its area, without a window; the inside shows
// what is under it.
#include <windows.h>

#include "toolkit/twips_box.h"
#include "toolkit/windowless_control.h"

namespace toolkit::controls {

struct ShapeDesign {
  TwipsBox bounds{};
  COLORREF borderColour = RGB(0, 0, 0);
};

class Shape : public toolkit::WindowlessControl {
 public:
  bool Create(Window& parent, const ShapeDesign& design);

  void Paint(HDC dc) const override;

 private:
  COLORREF borderColour_ = RGB(0, 0, 0);
};

}  // namespace toolkit::controls
