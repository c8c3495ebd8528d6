#pragma once
// A child window with a sunken edge whose picture is its kept image (drawn on once, on a size
// change say, and kept between paints) with windowless controls drawn over it, and that holds
// other controls. Keyboard navigation reaches the controls inside it; the box itself takes
// no focus.
#include <windows.h>

#include <functional>

#include "toolkit/dpi.h"
#include "toolkit/twips_box.h"
#include "toolkit/window.h"

namespace toolkit::controls {

struct PictureBoxDesign {
  TwipsBox bounds;  // on the parent's client area, the edge included
  COLORREF background = RGB(255, 255, 255);
};

class PictureBox : public Window {
 public:
  explicit PictureBox(const PictureBoxDesign& design) : bounds_(design.bounds) {
    SetBackground(design.background);
  }

  // Makes the window; false when it could not be made.
  bool Create(HWND parent) {
    const RECT place = PixelsOf(bounds_);
    return Window::Create({.className = L"ToolkitPictureBox", .classStyle = CS_DBLCLKS,
                           .exStyle = WS_EX_CONTROLPARENT | WS_EX_CLIENTEDGE,
                           .style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                           .left = place.left, .top = place.top, .width = place.right - place.left,
                           .height = place.bottom - place.top, .parent = parent});
  }
  // The kept image, to draw on.
  using Window::ImageDc;

  // The box has a new size, its image too (what fits of the old one is kept). The first
  // comes as the window is made; a box shrunk to nothing keeps its image and raises none.
  std::function<void(int width, int height)> Resized;

 protected:
  void OnResize(int width, int height) override {
    if (Resized) Resized(width, height);
  }

 private:
  TwipsBox bounds_;
};

}  // namespace toolkit::controls
