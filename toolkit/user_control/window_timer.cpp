#include "window_timer.h"

namespace toolkit::user_control {

void WindowTimer::Bind(HWND window) {
  Disarm();
  window_ = window;
  Arm();
}

void WindowTimer::SetInterval(UINT milliseconds) {
  interval_ = milliseconds;
  Arm();
}

void WindowTimer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (enabled) {
    Arm();
  } else {
    Disarm();
  }
}

void WindowTimer::Arm() {
  // An interval of 0 means off, as with the platform's form timers.
  if (!enabled_ || interval_ == 0 || !window_ || !IsWindow(window_)) {
    Disarm();
    return;
  }
  armed_ = SetTimer(window_, id_, interval_, nullptr) != 0;  // resets a running timer too
}

void WindowTimer::Disarm() {
  if (armed_ && window_ && IsWindow(window_)) KillTimer(window_, id_);
  armed_ = false;
}

}  // namespace toolkit::user_control
