#include "toolkit/controls/windowless_control.h"

#include "toolkit/controls/canvas.h"

namespace toolkit::controls {

WindowlessControl::~WindowlessControl() {
  if (canvas_) canvas_->Remove(*this);
}

void WindowlessControl::Move(const RECT& bounds) {
  // Both the old and the new area show something else now.
  Changed();
  bounds_ = bounds;
  Changed();
}

void WindowlessControl::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Changed();
}

void WindowlessControl::Changed() {
  if (canvas_) canvas_->Invalidate(bounds_);
}

}  // namespace toolkit::controls
