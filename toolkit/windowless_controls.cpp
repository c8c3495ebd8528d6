#include "toolkit/windowless_controls.h"

#include <algorithm>
#include <utility>

#include "toolkit/window.h"

namespace toolkit {

WindowlessControl::~WindowlessControl() {
  if (host_) host_->Remove(*this);
}

void WindowlessControl::Place(Window& host, const TwipsBox& box) {
  bounds_ = PixelsOf(box);
  host.controls_.Add(*this);
}

void WindowlessControl::Move(const TwipsBox& box) {
  Changed();  // both the old and the new area show something else now
  bounds_ = PixelsOf(box);
  Changed();
}

void WindowlessControl::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Changed();
}

void WindowlessControl::Changed() {
  if (host_) host_->Invalidate(bounds_);
}

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
  if (doubleClick || !control->MouseDown) return true;
  event.x -= control->Bounds().left;
  event.y -= control->Bounds().top;
  // A copy: the handler may replace itself or remove the control.
  auto handler = control->MouseDown;
  handler(event);
  return true;
}

WindowlessControl* WindowlessControls::EndPress(int button) {
  return button == kLeftButton ? std::exchange(leftPressed_, nullptr) : nullptr;
}

void WindowlessControls::ClickIfOver(WindowlessControl& pressed, POINT point) const {
  if (At(point, false) != &pressed || !pressed.Click) return;
  auto handler = pressed.Click;  // a copy, as the object may go
  handler();
}

HCURSOR WindowlessControls::PointerAt(POINT point) const {
  const WindowlessControl* control = At(point, true);
  return control ? control->Pointer() : nullptr;
}

}  // namespace toolkit
