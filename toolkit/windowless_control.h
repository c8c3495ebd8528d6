#pragma once
// A control without a window of its own (label, image, shape): the window it is made on draws
// it over its own picture, passes it the presses of its area and shows its pointer.
#include <windows.h>

#include <functional>

#include "toolkit/accessibility.h"
#include "toolkit/dpi.h"
#include "toolkit/mouse_event.h"
#include "toolkit/twips_box.h"

namespace toolkit {

class Window;
class WindowlessControls;

class WindowlessControl {
 public:
  WindowlessControl() = default;
  WindowlessControl(const WindowlessControl&) = delete;
  WindowlessControl& operator=(const WindowlessControl&) = delete;
  virtual ~WindowlessControl();

  // Pixels on the window's client area, from the box in twips.
  const RECT& Bounds() const { return bounds_; }
  void Move(const TwipsBox& box);
  // A disabled control gets no mouse events and draws itself greyed where it has text.
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  // The pointer shown over the control; null for the window's own. Not owned.
  HCURSOR Pointer() const { return pointer_; }
  void SetPointer(HCURSOR pointer) { pointer_ = pointer; }

  // Any button; x and y from the control's top-left corner. Not raised for the second press
  // of a double-click: that press is the double-click.
  std::function<void(const MouseEvent& event)> MouseDown;
  // The left button pressed and released over the control. May destroy the window.
  std::function<void()> Click;

  virtual void Paint(HDC dc) const = 0;
  // What a screen reader is told; a role of 0 (the default) leaves the control out.
  virtual Accessibility Describe() const { return {}; }
  // A screen reader's "do it"; false when there is none.
  virtual bool DoDefaultAction() { return false; }

 protected:
  // What every control's Create does first: takes its box and goes on top of `host`'s other
  // controls (drawn above, and hit before, those made earlier).
  void Place(Window& host, const TwipsBox& box);
  // Asks the window to show the control again.
  void Changed();

 private:
  friend class WindowlessControls;
  RECT bounds_{};
  bool enabled_ = true;
  HCURSOR pointer_ = nullptr;
  WindowlessControls* host_ = nullptr;
};

}  // namespace toolkit
