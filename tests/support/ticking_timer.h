#pragma once
// A timer that is on from the start, with its tick: what most tests want of one.
#include <functional>
#include <utility>

#include "toolkit/timer.h"

class TickingTimer : public toolkit::Timer {
 public:
  TickingTimer(UINT intervalMs, std::function<void()> tick) : Timer(intervalMs) {
    Tick = std::move(tick);
    SetEnabled(true);
  }
};
