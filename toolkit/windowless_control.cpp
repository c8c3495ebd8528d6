#include "toolkit/windowless_control.h"

#include "toolkit/window.h"
#include "toolkit/windowless_controls.h"

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

}  // namespace toolkit
