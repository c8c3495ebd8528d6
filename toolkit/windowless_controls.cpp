#include "toolkit/windowless_controls.h"

#include <algorithm>
#include <utility>

#include "toolkit/event.h"
#include "toolkit/window.h"

namespace toolkit {

WindowlessControls::~WindowlessControls() {
  for (WindowlessControl* control : controls_) control->host_ = nullptr;
}

void WindowlessControls::Add(WindowlessControl& control) {
  if (control.host_) control.host_->Remove(control);
  controls_.push_back(&control);
  control.host_ = this;
  Invalidate(control.Bounds());
}

void WindowlessControls::Remove(WindowlessControl& control) {
  controls_.erase(std::remove(controls_.begin(), controls_.end(), &control), controls_.end());
  if (leftPressed_ == &control) leftPressed_ = nullptr;
  control.host_ = nullptr;
  Invalidate(control.Bounds());
}

void WindowlessControls::Invalidate(const RECT& area) const {
  // Child windows there too: a transparent one shows the controls under it.
  if (window_) RedrawWindow(window_, &area, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void WindowlessControls::Paint(HDC dc) const {
  for (const WindowlessControl* control : controls_) control->Paint(dc);
}

WindowlessControl* WindowlessControls::At(POINT point, bool forPointer) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    WindowlessControl* control = *it;
    const bool wanted = forPointer ? control->Pointer() != nullptr : control->MouseDown || control->Click;
    if (wanted && control->Enabled() && PtInRect(&control->Bounds(), point)) return control;
  }
  return nullptr;
}

bool WindowlessControls::Press(MouseEvent event, bool doubleClick) {
  WindowlessControl* control = At(POINT{event.x, event.y}, false);
  if (event.button == kLeftButton) leftPressed_ = doubleClick ? nullptr : control;
  if (!control) return false;
  if (doubleClick) return true;
  event.x -= control->Bounds().left;
  event.y -= control->Bounds().top;
  RaiseEvent(control->MouseDown, event);
  return true;
}

WindowlessControl* WindowlessControls::EndPress(int button) {
  return button == kLeftButton ? std::exchange(leftPressed_, nullptr) : nullptr;
}

void WindowlessControls::ClickIfOver(WindowlessControl& pressed, POINT point) const {
  if (At(point, false) == &pressed) RaiseEvent(pressed.Click);
}

HCURSOR WindowlessControls::PointerAt(POINT point) const {
  const WindowlessControl* control = At(point, true);
  return control ? control->Pointer() : nullptr;
}

}  // namespace toolkit
