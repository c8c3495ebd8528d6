#pragma once
// A child window with a painting surface of its own (a canvas: drawn once, kept between
// paints, windowless controls over it) that holds other controls. Keyboard navigation
// reaches the controls inside it; the box itself takes no focus.
#include <windows.h>

#include "toolkit/controls/canvas.h"
#include "toolkit/window.h"

namespace toolkit::controls {

struct PictureBoxDesign {
  RECT bounds{};  // pixels on the parent's client area, the border included
  COLORREF background = RGB(255, 255, 255);
  bool sunkenBorder = true;  // the classic picture box's 3-D edge
};

class PictureBox : public Window {
 public:
  explicit PictureBox(const PictureBoxDesign& design);

  // Makes the window; false when it could not be made. Its canvas gets its size at once.
  bool Create(HWND parent);
  Canvas& canvas() { return canvas_; }
  const Canvas& canvas() const { return canvas_; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  PictureBoxDesign design_;
  Canvas canvas_;
};

}  // namespace toolkit::controls
