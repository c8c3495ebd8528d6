#include "toolkit/timer.h"

#include "toolkit/event.h"

#include <map>

namespace toolkit {
namespace {

// The running timers by their system id; one thread, so no lock.
std::map<UINT_PTR, Timer*>& RunningTimers() {
  static std::map<UINT_PTR, Timer*> timers;
  return timers;
}

}  // namespace

Timer::Timer(UINT intervalMs) : interval_(intervalMs) {}

Timer::~Timer() { Stop(); }

void Timer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Restart();
}

void Timer::SetInterval(UINT intervalMs) {
  if (intervalMs == interval_) return;
  interval_ = intervalMs;
  Restart();
}

void Timer::Stop() {
  if (!id_) return;
  KillTimer(nullptr, id_);
  RunningTimers().erase(id_);
  id_ = 0;
}

void Timer::Restart() {
  Stop();
  if (!enabled_ || interval_ == 0) return;
  id_ = SetTimer(nullptr, 0, interval_, &Timer::Procedure);
  if (id_) RunningTimers()[id_] = this;
}

void CALLBACK Timer::Procedure(HWND, UINT, UINT_PTR id, DWORD) {
  auto& timers = RunningTimers();
  const auto found = timers.find(id);
  if (found == timers.end()) return;  // stopped after this tick was queued
  RaiseEvent(found->second->Tick);  // it may destroy the form that holds the timer
}

}  // namespace toolkit
