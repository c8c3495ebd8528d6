#pragma once
// The windowless controls of one window: drawn over its picture in the order they were made,
// hit from the last one made, given the presses of their area and showing their pointers.
#include <windows.h>

#include <vector>

#include "toolkit/mouse_event.h"
#include "toolkit/windowless_control.h"

namespace toolkit {

class WindowlessControls {
 public:
  explicit WindowlessControls(const HWND& window) : window_(window) {}
  // The controls stay, without a window to show them.
  ~WindowlessControls();
  WindowlessControls(const WindowlessControls&) = delete;
  WindowlessControls& operator=(const WindowlessControls&) = delete;

  void Add(WindowlessControl& control);
  // In the order they were made.
  const std::vector<WindowlessControl*>& All() const { return controls_; }
  void Remove(WindowlessControl& control);
  // Asks the window to show an area again.
  void Invalidate(const RECT& area) const;
  void Paint(HDC dc) const;

  // A press of `button` at a point of the client area: true when a control took it (a
  // control's second press of a double-click takes it too, and raises nothing).
  bool Press(MouseEvent event, bool doubleClick);
  // The control that the left press a release of `button` ends began on, forgotten from now
  // on; null for other buttons and for a press no control took.
  WindowlessControl* EndPress(int button);
  // Raises the control's Click when the release at `point` is still over it. The handler may
  // close the window.
  void ClickIfOver(WindowlessControl& pressed, POINT point) const;
  // The capture went elsewhere: no release will come for the press.
  void ForgetPress() { leftPressed_ = nullptr; }
  // The pointer of the topmost enabled control under a point that has one; null elsewhere.
  HCURSOR PointerAt(POINT point) const;

 private:
  // The topmost enabled control there that takes presses, or shows a pointer.
  WindowlessControl* At(POINT point, bool forPointer) const;

  const HWND& window_;
  std::vector<WindowlessControl*> controls_;
  WindowlessControl* leftPressed_ = nullptr;  // the control a left press began on
};

}  // namespace toolkit
