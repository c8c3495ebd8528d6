#pragma once
// A timer whose ticks arrive as WM_TIMER messages through whatever message loop runs on this
// thread (the program's, a modal form's, a message box's), so a tick never interrupts other
// work and needs no window of its own. Not tied to a form: a form's timers are its members.
#include <windows.h>

#include <functional>

namespace toolkit {

class Timer {
 public:
  // Off until switched on.
  explicit Timer(UINT intervalMs = 0);
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  // Ticks run while enabled with an interval above zero. Switching on, or changing the
  // interval while on, starts a fresh count; a tick already queued when it is switched off
  // is dropped.
  void SetEnabled(bool enabled);
  bool Enabled() const { return enabled_; }
  void SetInterval(UINT intervalMs);

  // Raised on each tick; may switch the timer off, or destroy the form that holds it.
  std::function<void()> Tick;

 private:
  static void CALLBACK Procedure(HWND, UINT, UINT_PTR id, DWORD);
  void Restart();
  void Stop();

  UINT interval_;
  bool enabled_ = false;
  UINT_PTR id_ = 0;
};

}  // namespace toolkit
