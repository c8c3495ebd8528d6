#include "shell/preview/child_window.h"

namespace {

SetParentCall setParent = &SetParent;

// Looked up at run time: a program that named them would not start before Windows 10 1607.
DpiAwarenessCalls SystemDpiAwarenessCalls() {
  DpiAwarenessCalls calls;
  if (HMODULE user32 = GetModuleHandleW(L"user32.dll")) {
    calls.getWindowContext = reinterpret_cast<decltype(calls.getWindowContext)>(
        reinterpret_cast<void*>(GetProcAddress(user32, "GetWindowDpiAwarenessContext")));
    calls.setThreadContext = reinterpret_cast<decltype(calls.setThreadContext)>(
        reinterpret_cast<void*>(GetProcAddress(user32, "SetThreadDpiAwarenessContext")));
  }
  return calls;
}

DpiAwarenessCalls& dpiAwarenessCalls() {
  static DpiAwarenessCalls calls = SystemDpiAwarenessCalls();
  return calls;
}

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

DpiAwarenessCalls ReplaceDpiAwarenessCalls(DpiAwarenessCalls calls) {
  const DpiAwarenessCalls previous = dpiAwarenessCalls();
  dpiAwarenessCalls() = calls;
  return previous;
}

SameDpiAwarenessAs::SameDpiAwarenessAs(HWND parent) {
  const DpiAwarenessCalls& calls = dpiAwarenessCalls();
  if (!calls.getWindowContext || !calls.setThreadContext) return;
  // A parent that is gone (or not a window) has none; the thread then keeps its own.
  if (DPI_AWARENESS_CONTEXT context = calls.getWindowContext(parent)) {
    setThreadContext_ = calls.setThreadContext;
    previous_ = setThreadContext_(context);
  }
}

SameDpiAwarenessAs::~SameDpiAwarenessAs() {
  if (previous_) setThreadContext_(previous_);
}

