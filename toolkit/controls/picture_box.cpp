#include "toolkit/controls/picture_box.h"

namespace toolkit::controls {

PictureBox::PictureBox(const PictureBoxDesign& design)
    : design_(design), canvas_(design.background) {}

bool PictureBox::Create(HWND parent) {
  const RECT& b = design_.bounds;
  const DWORD exStyle = WS_EX_CONTROLPARENT | (design_.sunkenBorder ? WS_EX_CLIENTEDGE : 0);
  return Window::Create(L"ToolkitPictureBox", CS_DBLCLKS, exStyle,
                        WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, L"", b.left,
                        b.top, b.right - b.left, b.bottom - b.top, parent);
}

LRESULT PictureBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (canvas_.HandleMessage(hwnd(), message, wParam, lParam, result)) return result;
  return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace toolkit::controls
