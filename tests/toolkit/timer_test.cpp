// Message timers: tick while on, stop when switched off or destroyed, and tick inside any
// message loop of the thread, a message box's included.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <thread>

#include "harness/wait.h"
#include "tests/support/ticking_timer.h"
#include "toolkit/timer.h"

namespace {

using toolkit::Timer;

TEST(Timer, TicksAgainAndAgainWhileOn) {
  int ticks = 0;
  TickingTimer timer(20, [&] { ++ticks; });
  EXPECT_TRUE(WaitUntil([&] { return ticks >= 3; }, 5000)) << "ticks: " << ticks;
}

TEST(Timer, NeverTicksWhenOffOrWithoutAnInterval) {
  int ticks = 0;
  Timer off(10);
  off.Tick = [&] { ++ticks; };
  TickingTimer noInterval(0, [&] { ++ticks; });
  PumpFor(200);
  EXPECT_EQ(ticks, 0);
}

TEST(Timer, SwitchedOffInItsOwnTickItTicksNoMore) {
  int ticks = 0;
  TickingTimer timer(10, [&] {
    ++ticks;
    timer.SetEnabled(false);
  });
  ASSERT_TRUE(WaitUntil([&] { return ticks == 1; }, 5000));
  PumpFor(150);
  EXPECT_EQ(ticks, 1);
  EXPECT_FALSE(timer.Enabled());
  timer.SetEnabled(true);
  EXPECT_TRUE(WaitUntil([&] { return ticks == 2; }, 5000)) << "switching on again did not resume";
}

TEST(Timer, ANewIntervalTakesEffectWhileOn) {
  int ticks = 0;
  TickingTimer timer(60000, [&] { ++ticks; });
  timer.SetInterval(10);
  EXPECT_TRUE(WaitUntil([&] { return ticks >= 2; }, 5000));
  timer.SetInterval(0);
  const int stoppedAt = ticks;
  PumpFor(100);
  EXPECT_EQ(ticks, stoppedAt) << "an interval of 0 must stop the ticks";
}

TEST(Timer, ADestroyedTimerTicksNoMore) {
  int ticks = 0;
  auto timer = std::make_unique<TickingTimer>(10, [&] { ++ticks; });
  ASSERT_TRUE(WaitUntil([&] { return ticks >= 1; }, 5000));
  timer.reset();
  const int stoppedAt = ticks;
  PumpFor(100);
  EXPECT_EQ(ticks, stoppedAt);
}

TEST(Timer, TicksInsideAMessageBoxLoop) {
  bool found = false;
  TickingTimer closer(50, [&] {
    HWND box = FindWindowW(nullptr, L"toolkit box");
    if (!box) return;
    closer.SetEnabled(false);
    found = true;
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  });
  // Should the ticks never come, the box must still go, or the test program would hang.
  HANDLE done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  std::thread rescuer([done] {
    if (WaitForSingleObject(done, 15000) == WAIT_TIMEOUT) {
      if (HWND box = FindWindowW(nullptr, L"toolkit box")) PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    }
  });
  MessageBoxW(nullptr, L"ticking?", L"toolkit box", MB_OK);
  SetEvent(done);
  rescuer.join();
  CloseHandle(done);
  EXPECT_TRUE(found) << "the timer did not tick while the box was up";
}

}  // namespace
