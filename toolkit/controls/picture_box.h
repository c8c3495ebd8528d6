#pragma once
// A child window with a sunken edge whose picture is its kept image (drawn on once, on a size
// change say, and kept between paints) with windowless controls drawn over it, and that holds
// other controls. Keyboard navigation reaches the controls inside it; the box itself takes
// no focus.
#include <windows.h>

#include <functional>
#include <string>

#include "toolkit/twips_box.h"
#include "toolkit/window.h"

namespace toolkit::controls {

struct PictureBoxDesign {
  TwipsBox bounds{};  // on the parent's client area, the edge included
  COLORREF background = RGB(255, 255, 255);
  std::wstring name{};  // what a screen reader calls the group of controls it holds
};

class PictureBox : public Window {
 public:
  PictureBox() = default;

  // Makes the window; false when it could not be made.
  bool Create(Window& parent, const PictureBoxDesign& design);
  // The kept image, to draw on.
  using Window::ImageDc;
  // A group of controls, for a screen reader.
  Accessibility Describe() const override;

  // The box has a new size, its image too (what fits of the old one is kept). The first
  // comes as the window is made; a box shrunk to nothing keeps its image and raises none.
  std::function<void(int width, int height)> Resized;

 protected:
  void OnResize(int width, int height) override;

 private:
  std::wstring name_;
};

}  // namespace toolkit::controls
