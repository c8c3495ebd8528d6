#pragma once
// Turning a top-level window into the child of a window that may belong to another program.
#include <windows.h>

// Makes `window` a child of `parent` (WS_CHILD in place of WS_POPUP). False, with the window
// left top-level as it was, when the parent is the desktop window or the window did not end
// up the parent's child (a parent gone meanwhile, or one that refuses a child from us).
bool MakeChildOf(HWND window, HWND parent);

// The SetParent that MakeChildOf calls: a seam for the refusals Wine never makes. Returns the
// call it replaces; pass that back to restore it.
using SetParentCall = HWND(WINAPI*)(HWND child, HWND parent);
SetParentCall ReplaceSetParentCall(SetParentCall call);

// While it lives, windows this thread makes have the DPI awareness of `parent`: Windows 10
// and 11 re-parent a window only under a parent of the same awareness (unless the parent's
// side allows mixed hosting), and a window's awareness is fixed when it is made. Gives the
// thread its own awareness back at the end. Does nothing where the system has no
// per-window awareness, or when the parent's cannot be read.
class SameDpiAwarenessAs {
 public:
  explicit SameDpiAwarenessAs(HWND parent);
  ~SameDpiAwarenessAs();
  SameDpiAwarenessAs(const SameDpiAwarenessAs&) = delete;
  SameDpiAwarenessAs& operator=(const SameDpiAwarenessAs&) = delete;

 private:
  DPI_AWARENESS_CONTEXT previous_ = nullptr;
  DPI_AWARENESS_CONTEXT(WINAPI* setThreadContext_)(DPI_AWARENESS_CONTEXT) = nullptr;
};

// The two functions SameDpiAwarenessAs calls, looked up in user32 when first needed (null on
// systems before Windows 10 1607): a seam, since Wine does not enforce the rule above.
struct DpiAwarenessCalls {
  DPI_AWARENESS_CONTEXT(WINAPI* getWindowContext)(HWND window) = nullptr;
  DPI_AWARENESS_CONTEXT(WINAPI* setThreadContext)(DPI_AWARENESS_CONTEXT context) = nullptr;
};
DpiAwarenessCalls ReplaceDpiAwarenessCalls(DpiAwarenessCalls calls);

