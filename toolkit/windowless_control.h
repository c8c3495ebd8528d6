#pragma once
// A control without a window of its own (label, image, shape): the window it is added to
// draws it over its own picture, passes it the presses of its area and shows its pointer.
#include <windows.h>

#include <functional>

#include "toolkit/dpi.h"
#include "toolkit/mouse_event.h"
#include "toolkit/twips_box.h"

namespace toolkit {

class WindowlessControl;

// What a control asks of the window it is on.
class ControlHost {
 public:
  virtual void Invalidate(const RECT& area) = 0;
  virtual void Remove(WindowlessControl& control) = 0;

 protected:
  ~ControlHost() = default;
};

class WindowlessControl {
 public:
  explicit WindowlessControl(const TwipsBox& box) : bounds_(PixelsOf(box)) {}
  WindowlessControl(const WindowlessControl&) = delete;
  WindowlessControl& operator=(const WindowlessControl&) = delete;
  virtual ~WindowlessControl() {
    if (host_) host_->Remove(*this);
  }

  // Pixels on the window's client area, from the box in twips.
  const RECT& Bounds() const { return bounds_; }
  void Move(const TwipsBox& box) {
    Changed();  // both the old and the new area show something else now
    bounds_ = PixelsOf(box);
    Changed();
  }
  // A disabled control gets no mouse events and draws itself greyed where it has text.
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) {
    enabled_ = enabled;
    Changed();
  }
  // The pointer shown over the control; null for the window's own. Not owned.
  HCURSOR Pointer() const { return pointer_; }
  void SetPointer(HCURSOR pointer) { pointer_ = pointer; }

  // Any button; x and y from the control's top-left corner. Not raised for the second press
  // of a double-click: that press is the double-click.
  std::function<void(const MouseEvent& event)> MouseDown;
  // The left button pressed and released over the control. May destroy the window.
  std::function<void()> Click;

  virtual void Paint(HDC dc) const = 0;

 protected:
  // Asks the window to show the control again.
  void Changed() {
    if (host_) host_->Invalidate(bounds_);
  }

 private:
  friend class Window;
  RECT bounds_;
  bool enabled_ = true;
  HCURSOR pointer_ = nullptr;
  ControlHost* host_ = nullptr;
};

}  // namespace toolkit
