// The rows of the painted backgrounds: half a sine period over the height, rounded to the
// nearest level, and the two colourings.
#include <gtest/gtest.h>

#include "shell/settings_dialog/background_gradient.h"

namespace {

TEST(BackgroundGradient, LevelsFollowHalfASinePeriodFromEdgeToEdge) {
  struct Row {
    int y, height, level;
  };
  // The form is 243 pixels high: k = 243 / 3.142 = 77.34...
  const Row rows[] = {
      {0, 243, 0},      // the top edge
      {121, 243, 220},  // the middle row, |sin(1.5645)| = 0.99998
      {242, 243, 3},    // the last row: |sin(3.1290)| × 220 = 2.75, rounded, not cut
      {243, 243, 0},    // one past the last row, also drawn: |sin(3.1420)| × 220 = 0.09
      {20, 243, 56},    // |sin(0.2586)| × 220 = 56.27
      {0, 1, 0},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(GradientLevel(r.y, r.height), r.level) << "row " << r.y << " of " << r.height;
  }
}

TEST(BackgroundGradient, AnEmptySurfaceHasNoLevels) { EXPECT_EQ(GradientLevel(0, 0), 0); }

TEST(BackgroundGradient, TheFormIsBlueTintedAndThePanelGrey) {
  const RowColour form = FormRowColour(220);
  EXPECT_EQ(form.red, 220);
  EXPECT_EQ(form.green, 220);
  EXPECT_EQ(form.blue, 250);
  const RowColour panel = PanelRowColour(0);
  EXPECT_EQ(panel.red, 30);
  EXPECT_EQ(panel.green, 30);
  EXPECT_EQ(panel.blue, 30);
}

}  // namespace
