// The saver host's decisions that need no window: when the renderer counts as gone and which
// monitors it must black out.
#include <gtest/gtest.h>

#include "shell/saver_host/monitors_to_cover.h"
#include "shell/saver_host/renderer_watch.h"

namespace {

TEST(RendererWatch, WaitsForTheWindowBeforeTakingItsAbsenceAsTheEnd) {
  RendererWatch watch;
  // The renderer is still switching the display mode: no window at the first ticks.
  EXPECT_FALSE(watch.RendererGone(false, false, 500));
  EXPECT_FALSE(watch.RendererGone(false, false, 1000));
  EXPECT_FALSE(watch.RendererGone(true, false, 1500));
  EXPECT_TRUE(watch.WindowSeen());
  EXPECT_FALSE(watch.RendererGone(true, false, 2000));
  EXPECT_TRUE(watch.RendererGone(false, false, 2500));
}

TEST(RendererWatch, EndsAtOnceWhenTheRendererEndsWithoutAWindow) {
  RendererWatch watch;
  EXPECT_FALSE(watch.RendererGone(false, false, 500));
  EXPECT_TRUE(watch.RendererGone(false, true, 1000));
}

TEST(RendererWatch, EndsAtTheFirstTickWhenTheRendererCouldNotStart) {
  RendererWatch watch;
  EXPECT_TRUE(watch.RendererGone(false, true, 500));
}

TEST(RendererWatch, GivesUpOnARendererThatNeverShowsAWindow) {
  RendererWatch watch;
  EXPECT_FALSE(watch.RendererGone(false, false, RendererWatch::kStartLimitMs - 1));
  EXPECT_TRUE(watch.RendererGone(false, false, RendererWatch::kStartLimitMs));
}

TEST(RendererWatch, AWindowThatGoesIsTheEndEvenIfTheProcessLivesOn) {
  RendererWatch watch;
  EXPECT_FALSE(watch.RendererGone(true, false, 500));
  EXPECT_TRUE(watch.RendererGone(false, false, 1000));
}

TEST(MonitorsToCover, ListsEveryMonitorTheRendererLeavesShowingTheDesktop) {
  const ScreenRect primary{0, 0, 1024, 768};
  const ScreenRect right{1024, 0, 1824, 600};
  const ScreenRect left{-1280, -100, 0, 924};
  struct Row {
    int index;
    std::vector<ScreenRect> monitors;
    ScreenRect renderer;
    std::vector<ScreenRect> expected;
  };
  const Row rows[] = {
      {0, {primary}, primary, {}},                            // one monitor: nothing to do
      {1, {primary, right}, primary, {right}},
      {2, {left, primary}, primary, {left}},                   // a monitor left of the primary
      {3, {primary, {1280, 0, 2080, 600}}, primary, {{1280, 0, 2080, 600}}},  // not yet moved
      {4, {primary, right}, {0, 0, 1824, 768}, {}},            // a window over both
      {5, {primary, right}, {0, 0, 1200, 768}, {right}},       // over part of the second
      {6, {primary, right}, {100, 0, 1124, 768}, {primary, right}},
      {7, {primary, {1024, 0, 1024, 600}}, primary, {}},       // an empty monitor
      {8, {}, primary, {}},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(MonitorsToCover(row.monitors, row.renderer), row.expected) << "row " << row.index;
  }
}

}  // namespace

