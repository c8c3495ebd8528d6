#pragma once
// A control without a window of its own (label, image, shape): its container's canvas draws
// it over the canvas image and passes it the mouse presses and the pointer of its area.
#include <windows.h>

#include <functional>

#include "toolkit/mouse_event.h"

namespace toolkit::controls {

class Canvas;

class WindowlessControl {
 public:
  explicit WindowlessControl(const RECT& bounds = {}) : bounds_(bounds) {}
  WindowlessControl(const WindowlessControl&) = delete;
  WindowlessControl& operator=(const WindowlessControl&) = delete;
  virtual ~WindowlessControl();

  // Pixels on the container's client area.
  const RECT& Bounds() const { return bounds_; }
  void Move(const RECT& bounds);
  // A disabled control gets no mouse events and draws itself greyed where it has text.
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  // The pointer shown over the control; null for the container's own. Not owned.
  HCURSOR Pointer() const { return pointer_; }
  void SetPointer(HCURSOR pointer) { pointer_ = pointer; }

  // Any button; x and y from the control's top-left corner.
  std::function<void(const MouseEvent& event)> MouseDown;
  // The left button pressed and released over the control. May destroy the container.
  std::function<void()> Click;

  virtual void Paint(HDC dc) const = 0;

 protected:
  // Asks the container to show the control again.
  void Changed();

 private:
  friend class Canvas;
  RECT bounds_;
  bool enabled_ = true;
  HCURSOR pointer_ = nullptr;
  Canvas* canvas_ = nullptr;
};

}  // namespace toolkit::controls
