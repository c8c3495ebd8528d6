#include "toolkit/controls/label_overlay.h"

namespace toolkit::controls {

bool LabelOverlay::CreateOver(Window& parent, const Label& caption,
                              std::initializer_list<const WindowlessControl*> others, bool tabStop) {
  caption_ = &caption;
  // The caption's text, one pixel out all round: the focus rectangle, which the window covers.
  focusRect_ = caption.TextBounds();
  InflateRect(&focusRect_, 1, 1);
  RECT area{};
  UnionRect(&area, &focusRect_, &caption.Bounds());
  for (const WindowlessControl* other : others) UnionRect(&area, &area, &other->Bounds());
  OffsetRect(&focusRect_, -area.left, -area.top);
  SetOpaque(false);
  return Create({.className = L"ToolkitLabelOverlay",
                 .style = static_cast<DWORD>(WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | (tabStop ? WS_TABSTOP : 0)),
                 .left = area.left, .top = area.top, .width = area.right - area.left,
                 .height = area.bottom - area.top, .parent = parent.hwnd()});
}

LRESULT LabelOverlay::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // The controls under it take the mouse, through the parent that holds them.
  if (message == WM_NCHITTEST) return HTTRANSPARENT;
  return Window::HandleMessage(message, wParam, lParam);
}

void LabelOverlay::PaintFocusCue(HDC dc) const {
  // Drawn by inverting what is under it, so it shows on light and dark backgrounds alike.
  DrawFocusRect(dc, &focusRect_);
}

}  // namespace toolkit::controls
