#pragma once
// Turning a top-level window into the child of a window that may belong to another program.
#include <windows.h>

// Makes `window` a child of `parent` (WS_CHILD in place of WS_POPUP). False, with the window
// left top-level as it was, when the parent is the desktop window or the window did not end
// up the parent's child (a parent gone meanwhile, or one that refuses a child from us).
bool MakeChildOf(HWND window, HWND parent);

// While it lives, this thread runs in the DPI awareness of `parent`: the windows it makes get
// that awareness (a window's is fixed when it is made), and what it measures and moves is in
// that awareness's coordinates. A child must share its parent's awareness. In one process
// Windows 10 1703 and later refuse SetParent between two awarenesses (ERROR_INVALID_STATE)
// unless the parent's side allows mixed hosting; across processes, as with the preview window
// of Screen Saver Settings, SetParent goes ahead and forces a reset of the DPI awareness of
// the child's whole process ("Forced reset (of child window's process)", SetParent on
// learn.microsoft.com). Gives the thread its own awareness back at the end. Does nothing where
// the system has no per-window awareness, or when the parent's cannot be read.
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

// A function of user32 looked up by name: null on systems that lack it. A program that named
// the DPI awareness functions would not start before Windows 10 1607.
template <class Function>
Function User32Function(const char* name) {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  return reinterpret_cast<Function>(
      reinterpret_cast<void*>(user32 ? GetProcAddress(user32, name) : nullptr));
}

// The calls MakeChildOf and SameDpiAwarenessAs make: a seam for the rules above, which Wine
// does not keep (it re-parents across awarenesses, and never refuses a parent).
struct ChildWindowCalls {
  HWND(WINAPI* setParent)(HWND child, HWND parent) = &SetParent;
  using GetWindowContext = DPI_AWARENESS_CONTEXT(WINAPI*)(HWND window);
  GetWindowContext getWindowDpiAwarenessContext =
      User32Function<GetWindowContext>("GetWindowDpiAwarenessContext");
  using SetThreadContext = DPI_AWARENESS_CONTEXT(WINAPI*)(DPI_AWARENESS_CONTEXT context);
  SetThreadContext setThreadDpiAwarenessContext =
      User32Function<SetThreadContext>("SetThreadDpiAwarenessContext");
};

// Returns the calls it replaces; pass them back to restore them.
ChildWindowCalls ReplaceChildWindowCalls(ChildWindowCalls calls);
