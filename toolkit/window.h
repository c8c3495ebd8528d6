#pragma once
// The one window model of the toolkit: forms, picture boxes and hosted controls derive from
// it. A window made through Create is bound to its object at WM_NCCREATE and forgotten at
// WM_NCDESTROY. The object owns what the window shows (its background colour, an image kept
// between paints, or what its parent shows under it; then its windowless controls; then its
// focus cue) at every paint and WM_PRINTCLIENT, the pointer, the presses and their capture,
// one refresh, the keyboard cues' state, and what a screen reader is told (its Active
// Accessibility object). A platform control (the combo box) is bound the same way and paints
// itself.
#include <windows.h>

#include <string>

#include "toolkit/accessibility.h"
#include "toolkit/colour.h"
#include "toolkit/gdi_object.h"
#include "toolkit/kept_image.h"
#include "toolkit/mouse_event.h"
#include "toolkit/ui_state.h"
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

class AccessibleWindow;

// The text of a window: a control's, or a top-level window's title.
std::wstring WindowText(HWND window);

class Window {
 public:
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND hwnd() const { return window_; }
  // The object bound to a window made here; null for any other window.
  static Window* FromHandle(HWND window);

  // Schedules a paint of the whole window at its leisure.
  void Refresh();

  // What a screen reader is told of the window: by default a client area named by the
  // window's text; a control says what it is.
  virtual Accessibility Describe() const;
  // A screen reader's "do it", run from the message loop; false when there is none.
  virtual bool DoDefaultAction() { return false; }
  // False for a control that a screen reader sees whole: its windowless controls and child
  // windows are not parts of its own.
  virtual bool ShowsParts() const { return true; }
  const WindowlessControls& Controls() const { return controls_; }

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
  // Tells screen readers of a change of the window itself (EVENT_OBJECT_...).
  void Announce(DWORD event) const;
  // The focus rectangle shows: the keyboard has been used in the window's top-level window
  // since it opened, or the system shows keyboard cues always.
  bool FocusCuesShown() const { return uiState_.FocusCuesShown(); }

  // The client area has a new size, not empty, in pixels; the kept image has it already.
  virtual void OnResize(int /*width*/, int /*height*/) {}
  // Presses on no control (a tab stop has taken the focus before a left press), and every
  // move and release of a press that no control took. Pixels of the client area.
  virtual void OnMouseDown(const MouseEvent& /*event*/) {}
  virtual void OnMouseMove(const MouseEvent& /*event*/) {}
  virtual void OnMouseUp(const MouseEvent& /*event*/) {}
  virtual void OnGotFocus() {}
  virtual void OnLostFocus() {}
  // What the window takes of a dialog's keys (WM_GETDLGCODE; `message` may be null).
  virtual LRESULT DialogCode(const MSG* /*message*/) { return 0; }
  // A key going down while the window has the focus; true when the window took it.
  virtual bool OnKeyDown(UINT /*key*/, bool /*repeated*/) { return false; }
  // Drawn over everything else while the window has the focus and focus cues show.
  virtual void PaintFocusCue(HDC /*dc*/) const {}

 private:
  friend class WindowlessControl;  // made on a window, it joins its controls

  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void PaintContent(HDC dc);
  LRESULT AnswerGetObject(WPARAM wParam);
  LRESULT HandleMouse(UINT message, WPARAM keys, LPARAM position);
  // The focus, the keys and the keyboard cues.
  LRESULT HandleKeyboard(UINT message, WPARAM wParam, LPARAM lParam);
  void PaintParentBackground(HDC dc) const;
  void Press(UINT message, WPARAM keys, LPARAM position);
  void Release(UINT message, WPARAM keys, LPARAM position);
  bool ShowPointer(WPARAM wParam, LPARAM lParam) const;

  HWND window_ = nullptr;
  WNDPROC platformProcedure_ = nullptr;
  COLORREF background_ = kSystemColourFlag | COLOR_BTNFACE;
  bool opaque_ = true;
  HCURSOR pointer_ = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  KeptImage image_;
  WindowlessControls controls_{window_};
  UiState uiState_;
  AccessibleWindow* accessible_ = nullptr;  // made when first asked for, released as the window goes
};

}  // namespace toolkit
