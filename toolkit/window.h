#pragma once
// The one window model of the toolkit: forms, picture boxes and hosted controls derive from
// it. A window made through Create is bound to its object at WM_NCCREATE and forgotten at
// WM_NCDESTROY. The object owns what the window shows (its background colour, an image kept
// between paints, or what its parent shows under it; then its windowless controls) at every
// paint and WM_PRINTCLIENT, the pointer, the presses and their capture, and one refresh. A
// platform control (the combo box) is bound the same way and paints itself.
#include <windows.h>

#include "toolkit/colour.h"
#include "toolkit/gdi_object.h"
#include "toolkit/mouse_event.h"
#include "toolkit/windowless_controls.h"

namespace toolkit {

struct WindowArgs {
  const wchar_t* className = nullptr;
  bool platformClass = false;  // a class of the platform's, such as COMBOBOX
  UINT classStyle = 0;         // CS_DBLCLKS: a quick second press is a double-click
  DWORD exStyle = 0;
  DWORD style = WS_CHILD | WS_VISIBLE;
  const wchar_t* title = L"";
  int left = 0;  // pixels, on the parent's client area
  int top = 0;
  int width = 0;
  int height = 0;
  HWND parent = nullptr;
};

class Window {
 public:
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND hwnd() const { return window_; }
  // The object bound to a window made here; null for any other window.
  static Window* FromHandle(HWND window);

  // Schedules a paint of the whole window at its leisure.
  void Refresh();

 protected:
  Window() = default;
  // The order is important: the window forgets this object before it goes, so no message
  // reaches a half-destroyed object.
  virtual ~Window();

  // Registers the class on first use (arrow pointer) and makes the window.
  bool Create(const WindowArgs& args);
  // Every message of the window; the model's handling, then the default one.
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // The platform's handling (the platform class's own, for a platform control).
  LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam);
  // The window is being destroyed (WM_NCDESTROY); the object forgets it next.
  virtual void OnWindowGone() {}
  // Forgets the window without destroying it; it gets the default handling from now on.
  void Detach();

  // 0x00BBGGRR or a system colour (toolkit/colour.h); the button face's until set.
  void SetBackground(COLORREF colour) { background_ = colour; }
  // The kept image, the size of the client area, made on first use (null while the window
  // has no area): what is drawn on it shows after Refresh.
  HDC ImageDc();
  // Fills the kept image with the background colour.
  void ClearImage();
  // False: the window shows what its parent shows under it instead of its own picture.
  void SetOpaque(bool opaque);
  bool Opaque() const { return opaque_; }
  // Over the window, where no control has a pointer of its own; null hides the pointer.
  void SetPointer(HCURSOR pointer) { pointer_ = pointer; }

  // The client area has a new size, not empty, in pixels; the kept image has it already.
  virtual void OnResize(int /*width*/, int /*height*/) {}
  // Presses on no control (a tab stop has taken the focus before a left press), and every
  // move and release of a press that no control took. Pixels of the client area.
  virtual void OnMouseDown(const MouseEvent& /*event*/) {}
  virtual void OnMouseMove(const MouseEvent& /*event*/) {}
  virtual void OnMouseUp(const MouseEvent& /*event*/) {}

 private:
  friend class WindowlessControl;  // made on a window, it joins its controls

  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void PaintContent(HDC dc);
  void PaintParentBackground(HDC dc) const;
  void ResizeImage(int width, int height);
  void Press(UINT message, WPARAM keys, LPARAM position);
  void Release(UINT message, WPARAM keys, LPARAM position);
  bool ShowPointer(WPARAM wParam, LPARAM lParam) const;

  HWND window_ = nullptr;
  WNDPROC platformProcedure_ = nullptr;
  COLORREF background_ = kSystemColourFlag | COLOR_BTNFACE;
  bool opaque_ = true;
  HCURSOR pointer_ = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  // The order is important: the bitmap is put back out of the DC before either is deleted.
  MemoryDc image_;
  GdiObject<HBITMAP> bitmap_;
  SelectedObject selection_;
  SIZE imageSize_{0, 0};
  WindowlessControls controls_{window_};
};

}  // namespace toolkit
