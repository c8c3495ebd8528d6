#pragma once
// The one window procedure of the toolkit: a window made through Window::Create is bound to
// its C++ object at WM_NCCREATE, from the creation parameter, and forgotten at WM_NCDESTROY;
// every message between reaches the object's HandleMessage. Forms, picture boxes and hosted
// controls are Windows.
#include <windows.h>

namespace toolkit {

class Window {
 public:
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND hwnd() const { return window_; }
  // The object bound to a window made here; null for any other window.
  static Window* FromHandle(HWND window);

 protected:
  Window() = default;
  // The order is important: the window forgets this object before it goes, so no message
  // reaches a half-destroyed object.
  virtual ~Window();

  // Registers the class on first use (arrow pointer, `classStyle`) and makes the window.
  bool Create(const wchar_t* className, UINT classStyle, DWORD exStyle, DWORD style,
              const wchar_t* title, int left, int top, int width, int height, HWND parent);
  // Every message of the window; the default handling unless overridden.
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // The window is being destroyed (WM_NCDESTROY); the object forgets it next.
  virtual void OnWindowGone() {}
  // Forgets the window without destroying it; it gets the default handling from now on.
  void Detach();

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND window_ = nullptr;
};

}  // namespace toolkit
