#include "shell/preview/child_window.h"

namespace {
ChildWindowCalls calls;
}  // namespace

ChildWindowCalls ReplaceChildWindowCalls(ChildWindowCalls replacement) {
  const ChildWindowCalls previous = calls;
  calls = replacement;
  return previous;
}

bool MakeChildOf(HWND window, HWND parent) {
  // A "child" of the desktop is a top-level window that nothing ever destroys.
  if (!parent || parent == GetDesktopWindow()) return false;
  const LONG style = GetWindowLongA(window, GWL_STYLE);
  // A child may not also be a pop-up: with both bits Wine keeps it a top-level window drawn
  // at the screen's corner instead of inside the parent.
  SetWindowLongA(window, GWL_STYLE, (style | WS_CHILD) & ~WS_POPUP);
  if (calls.setParent(window, parent) && GetAncestor(window, GA_PARENT) == parent) return true;
  SetWindowLongA(window, GWL_STYLE, style);
  return false;
}

SameDpiAwarenessAs::SameDpiAwarenessAs(HWND parent) {
  if (!calls.getWindowDpiAwarenessContext || !calls.setThreadDpiAwarenessContext) return;
  // A parent that is gone (or not a window) has none; the thread then keeps its own.
  if (DPI_AWARENESS_CONTEXT context = calls.getWindowDpiAwarenessContext(parent)) {
    setThreadContext_ = calls.setThreadDpiAwarenessContext;
    previous_ = setThreadContext_(context);
  }
}

SameDpiAwarenessAs::~SameDpiAwarenessAs() {
  if (previous_) setThreadContext_(previous_);
}
