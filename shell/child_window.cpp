#include "shell/child_window.h"

namespace {
SetParentCall setParent = &SetParent;
}  // namespace

SetParentCall ReplaceSetParentCall(SetParentCall call) {
  SetParentCall previous = setParent;
  setParent = call;
  return previous;
}

bool MakeChildOf(HWND window, HWND parent) {
  // A "child" of the desktop is a top-level window that nothing ever destroys.
  if (!parent || parent == GetDesktopWindow()) return false;
  const LONG style = GetWindowLongA(window, GWL_STYLE);
  // A child may not also be a pop-up: with both bits Wine keeps it a top-level window drawn
  // at the screen's corner instead of inside the parent.
  SetWindowLongA(window, GWL_STYLE, (style | WS_CHILD) & ~WS_POPUP);
  if (setParent(window, parent) && GetAncestor(window, GA_PARENT) == parent) return true;
  SetWindowLongA(window, GWL_STYLE, style);
  return false;
}
