#pragma once
// A timer that ticks as WM_TIMER messages to its control's window, so that every tick runs
// on the thread that owns the form, between other messages.
#include <windows.h>

namespace toolkit::user_control {

class WindowTimer {
 public:
  explicit WindowTimer(UINT_PTR id) : id_(id) {}
  WindowTimer(const WindowTimer&) = delete;
  WindowTimer& operator=(const WindowTimer&) = delete;
  ~WindowTimer() { Disarm(); }

  // The window the ticks go to; a timer switched on earlier starts now.
  void Bind(HWND window);
  void SetInterval(UINT milliseconds);
  void SetEnabled(bool enabled);

  UINT_PTR Id() const { return id_; }
  UINT Interval() const { return interval_; }
  bool Enabled() const { return enabled_; }
  // Whether the window is really receiving ticks.
  bool Running() const { return armed_; }

 private:
  void Arm();
  void Disarm();

  UINT_PTR id_;
  HWND window_ = nullptr;
  UINT interval_ = 0;
  bool enabled_ = false;
  bool armed_ = false;
};

}  // namespace toolkit::user_control
