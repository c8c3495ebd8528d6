#pragma once
// The renderer's timed loop, kept apart from Win32 so its arithmetic can be driven by a
// controlled counter.
#include <cstdint>

struct FrameClockSource {
  std::int64_t countsPerSecond;
  std::int64_t (*read)();
};

// The performance counter, or a millisecond tick count when the system reports a
// performance-counter frequency of 0 (there would be nothing to divide by).
FrameClockSource ChooseFrameClock(std::int64_t performanceFrequency);

struct MainLoopHooks {
  void (*pump)(void* context);
  void (*frame)(void* context, double totalMs, double deltaMs);
  void* context;
};

// Runs until `running` is 0 at the top of an iteration. The iteration whose pump cleared
// it still measures time and draws its frame. Returns the last totalMs.
double RunMainLoop(const FrameClockSource& clock, const unsigned char& running,
                   const MainLoopHooks& hooks);
