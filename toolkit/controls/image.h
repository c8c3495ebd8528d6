#pragma once
// A picture shown at the top-left corner of its area, at its own size (a 96-dot-per-inch
// picture, scaled to the screen's resolution) and cut off at the area's edges, without a
// window. The picture is not owned: several images may show one.
#include <windows.h>

#include "toolkit/controls/windowless_control.h"

namespace toolkit::controls {

class Image : public WindowlessControl {
 public:
  explicit Image(const RECT& bounds = {}) : WindowlessControl(bounds) {}

  void SetPicture(HBITMAP picture);

  void Paint(HDC dc) const override;

 private:
  HBITMAP picture_ = nullptr;
};

}  // namespace toolkit::controls
