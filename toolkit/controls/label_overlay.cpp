#include "toolkit/controls/label_overlay.h"

namespace toolkit::controls {

bool LabelOverlay::CreateOver(Window& parent, const Label& caption,
                              std::initializer_list<const WindowlessControl*> others, bool tabStop) {
  caption_ = &caption;
  RECT area = caption.TextBounds();
  InflateRect(&area, 1, 1);  // room for the focus rectangle
  UnionRect(&area, &area, &caption.Bounds());
  for (const WindowlessControl* other : others) UnionRect(&area, &area, &other->Bounds());
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

RECT LabelOverlay::FocusRect() const {
  RECT text = caption_->TextBounds();
  InflateRect(&text, 1, 1);
  MapWindowPoints(GetParent(hwnd()), hwnd(), reinterpret_cast<POINT*>(&text), 2);
  return text;
}

void LabelOverlay::PaintFocusCue(HDC dc) const {
  // Drawn by inverting what is under it, so it shows on light and dark backgrounds alike.
  const RECT focus = FocusRect();
  DrawFocusRect(dc, &focus);
}

}  // namespace toolkit::controls
