#pragma once
// A child window with a painting surface of its own (a canvas: drawn once, kept between
// paints, windowless controls over it) that holds other controls. Keyboard navigation
// reaches the controls inside it; the box itself takes no focus.
#include <windows.h>

#include "toolkit/controls/canvas.h"

namespace toolkit::controls {

struct PictureBoxDesign {
  RECT bounds{};  // pixels on the parent's client area, the border included
  COLORREF background = RGB(255, 255, 255);
  bool sunkenBorder = true;  // the classic picture box's 3-D edge
};

class PictureBox {
 public:
  explicit PictureBox(const PictureBoxDesign& design);
  ~PictureBox();
  PictureBox(const PictureBox&) = delete;
  PictureBox& operator=(const PictureBox&) = delete;

  // Makes the window; false when it could not be made. Its canvas gets its size at once.
  bool Create(HWND parent);
  HWND hwnd() const { return window_; }
  Canvas& canvas() { return canvas_; }
  const Canvas& canvas() const { return canvas_; }
  // The drawing area's size in pixels (inside the border).
  SIZE ClientSize() const;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  PictureBoxDesign design_;
  Canvas canvas_;
  HWND window_ = nullptr;
};

}  // namespace toolkit::controls
