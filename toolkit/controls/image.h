#pragma once
// A picture shown at the top-left corner of its area, at its own size and cut off at the
// area's edges, without a window. The picture is not owned: several images may show one.
#include <windows.h>

#include "toolkit/controls/windowless_control.h"

namespace toolkit::controls {

class Image : public WindowlessControl {
 public:
  explicit Image(const RECT& bounds = {}) : WindowlessControl(bounds) {}

  HBITMAP Picture() const { return picture_; }
  void SetPicture(HBITMAP picture);

  void Paint(HDC dc) const override;

 private:
  HBITMAP picture_ = nullptr;
};

}  // namespace toolkit::controls
