#include "renderer/main_loop.h"

#include <windows.h>

namespace {

std::int64_t ReadPerformanceCounter() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now.QuadPart;
}

std::int64_t ReadTickCount() { return static_cast<std::int64_t>(GetTickCount64()); }

}  // namespace

FrameClockSource ChooseFrameClock(std::int64_t performanceFrequency) {
  if (performanceFrequency > 0) return {performanceFrequency, ReadPerformanceCounter};
  return {1000, ReadTickCount};
}

double RunMainLoop(const FrameClockSource& clock, const unsigned char& running,
                   const MainLoopHooks& hooks) {
  // One reciprocal, computed once, converts every interval.
  const double secondsPerCount = 1.0 / static_cast<double>(clock.countsPerSecond);
  double totalMs = 0.0;
  std::int64_t prevCount = clock.read();
  while (running != 0) {
    hooks.pump(hooks.context);
    const std::int64_t nowCount = clock.read();
    const double deltaMs = static_cast<double>(nowCount - prevCount) * secondsPerCount * 1000.0;
    // The next interval starts from a fresh reading, not from nowCount: the span between
    // the two readings belongs to no frame.
    prevCount = clock.read();
    totalMs += deltaMs;
    hooks.frame(hooks.context, totalMs, deltaMs);
  }
  return totalMs;
}
