#include "toolkit/controls/picture_box.h"

#include "toolkit/dpi.h"

namespace toolkit::controls {

bool PictureBox::Create(Window& parent, const PictureBoxDesign& design) {
  SetBackground(design.background);
  name_ = design.name;
  const RECT place = PixelsOf(design.bounds);
  return Window::Create({.className = L"ToolkitPictureBox", .classStyle = CS_DBLCLKS,
                         .exStyle = WS_EX_CONTROLPARENT | WS_EX_CLIENTEDGE,
                         .style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                         .left = place.left, .top = place.top, .width = place.right - place.left,
                         .height = place.bottom - place.top, .parent = parent.hwnd()});
}

Accessibility PictureBox::Describe() const { return {.name = name_, .role = ROLE_SYSTEM_GROUPING}; }

void PictureBox::OnResize(int width, int height) {
  if (Resized) Resized(width, height);
}

}  // namespace toolkit::controls
