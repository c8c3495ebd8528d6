// The main loop's time keeping, driven by a scripted counter instead of the real one.
#include "renderer/main_loop.h"

#include <gtest/gtest.h>

#include <vector>

#include <windows.h>

namespace {

// Counter readings handed out in order; the loop takes two per iteration plus one at start.
std::vector<std::int64_t> g_readings;
size_t g_next;
std::int64_t ScriptedRead() { return g_readings.at(g_next++); }

struct Recorder {
  unsigned char running = 1;
  int stopAtPump = -1;  // clear `running` during this pump (0-based)
  int pumps = 0;
  std::vector<std::pair<double, double>> frames;  // totalMs, deltaMs
};

void Pump(void* context) {
  auto* r = static_cast<Recorder*>(context);
  if (r->pumps++ == r->stopAtPump) r->running = 0;
}

void Frame(void* context, double totalMs, double deltaMs) {
  static_cast<Recorder*>(context)->frames.emplace_back(totalMs, deltaMs);
}

Recorder RunLoop(std::int64_t frequency, std::vector<std::int64_t> readings, int stopAtPump) {
  g_readings = std::move(readings);
  g_next = 0;
  Recorder recorder;
  recorder.stopAtPump = stopAtPump;
  RunMainLoop(FrameClockSource{frequency, ScriptedRead}, recorder.running,
              MainLoopHooks{Pump, Frame, &recorder});
  return recorder;
}

TEST(MainLoopTiming, FirstDeltaRunsFromTheStartReadingToTheFirstReadingAfterThePump) {
  // start 1000; iteration 1 reads 1250 then 1300.
  Recorder r = RunLoop(1000, {1000, 1250, 1300}, 0);
  ASSERT_EQ(r.frames.size(), 1u);
  EXPECT_DOUBLE_EQ(r.frames[0].second, 250.0);
  EXPECT_DOUBLE_EQ(r.frames[0].first, 250.0);
}

TEST(MainLoopTiming, NextIntervalStartsFromTheSecondReadingNotTheFirst) {
  // The 50 counts between 1250 and 1300 belong to no frame.
  Recorder r = RunLoop(1000, {1000, 1250, 1300, 1400, 1410}, 1);
  ASSERT_EQ(r.frames.size(), 2u);
  EXPECT_DOUBLE_EQ(r.frames[1].second, 100.0);
  EXPECT_DOUBLE_EQ(r.frames[1].first, 350.0) << "totalMs must lag wall time by the gaps";
}

TEST(MainLoopTiming, CountsAreScaledByOneReciprocalOfTheFrequency) {
  // 3,579,545 Hz (the classic ACPI timer): 3579545 counts are one second.
  Recorder r = RunLoop(3579545, {0, 3579545, 3579545}, 0);
  ASSERT_EQ(r.frames.size(), 1u);
  EXPECT_NEAR(r.frames[0].second, 1000.0, 1e-9);
}

TEST(MainLoopTiming, TotalKeepsGrowingPastAnHour) {
  std::vector<std::int64_t> readings{0};
  std::int64_t t = 0;
  for (int i = 0; i < 37; ++i) {  // 37 steps of 100 s
    t += 100000;
    readings.push_back(t);
    readings.push_back(t);
  }
  Recorder r = RunLoop(1000, readings, 36);
  ASSERT_EQ(r.frames.size(), 37u);
  EXPECT_DOUBLE_EQ(r.frames.back().first, 3700000.0);
}

TEST(MainLoopStopping, TheIterationThatClearsTheFlagStillDrawsItsFrame) {
  Recorder r = RunLoop(1000, {0, 10, 10, 20, 20, 30, 30}, 2);
  EXPECT_EQ(r.pumps, 3);
  EXPECT_EQ(r.frames.size(), 3u) << "exactly one frame follows the pump that stopped the loop";
}

TEST(MainLoopStopping, NeverEntersTheLoopWhenAlreadyStopped) {
  g_readings = {0};
  g_next = 0;
  Recorder r;
  r.running = 0;
  RunMainLoop(FrameClockSource{1000, ScriptedRead}, r.running, MainLoopHooks{Pump, Frame, &r});
  EXPECT_EQ(r.pumps, 0);
  EXPECT_TRUE(r.frames.empty());
}

TEST(FrameClockChoice, UsesThePerformanceCounterWhenItHasAFrequency) {
  FrameClockSource clock = ChooseFrameClock(10000000);
  EXPECT_EQ(clock.countsPerSecond, 10000000);
  std::int64_t a = clock.read();
  std::int64_t b = clock.read();
  EXPECT_LE(a, b);
}

// Wine's tick count is a copy that its server brings up to date, late when the machine is
// busy (it was seen to stand still across a 40 ms sleep), though never far behind for long.
// So the fallback is judged over 300 of its counts against the performance counter: whatever
// the lag, 300 milliseconds take between 50 and 600 ms of real time; 300 seconds or 300
// microseconds would not.
TEST(FrameClockChoice, FallsBackToAMillisecondClockWhenTheFrequencyIsZero) {
  LARGE_INTEGER frequency, start, now;
  QueryPerformanceFrequency(&frequency);
  for (std::int64_t bad : {std::int64_t{0}, std::int64_t{-1}}) {
    FrameClockSource clock = ChooseFrameClock(bad);
    EXPECT_EQ(clock.countsPerSecond, 1000) << "frequency " << bad;
    const std::int64_t a = clock.read();
    QueryPerformanceCounter(&start);
    double elapsedMs = 0;
    while (clock.read() - a < 300 && elapsedMs < 5000) {
      Sleep(1);
      QueryPerformanceCounter(&now);
      elapsedMs = (now.QuadPart - start.QuadPart) * 1000.0 / frequency.QuadPart;
    }
    EXPECT_GE(elapsedMs, 50) << "the fallback clock must advance in milliseconds";
    EXPECT_LE(elapsedMs, 600) << "the fallback clock must advance in milliseconds";
  }
}

}  // namespace
