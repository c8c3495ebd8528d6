// Where the dialog opens: centred across, a third of the free height down, in whole twips.
#include <gtest/gtest.h>

#include "shell/settings_dialog/dialog_placement.h"

namespace {

TEST(DialogPlacement, CentresAcrossAndPutsAThirdOfTheFreeHeightAbove) {
  struct Case {
    long screenWidth, screenHeight, width, height, left, top;
  };
  const Case cases[] = {
      // 1024 x 768 pixels, a dialog of 502 x 268 pixels: 15 twips a pixel.
      {15360, 11520, 7530, 4020, 3915, 2500},
      // Remainders are dropped: (15360 - 7545) / 2 = 3907.5, (11520 - 4005) / 3 = 2505.
      {15360, 11520, 7545, 4005, 3907, 2505},
      {15360, 11520, 7545, 4010, 3907, 2503},
      // A dialog larger than the screen goes up and left, the remainder dropped towards zero.
      {7000, 4000, 7545, 4010, -272, -3},
      {0, 0, 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    const TwipsPoint place = DialogPosition(c.screenWidth, c.screenHeight, c.width, c.height);
    EXPECT_EQ(place.left, c.left) << c.screenWidth << " x " << c.screenHeight;
    EXPECT_EQ(place.top, c.top) << c.screenWidth << " x " << c.screenHeight;
  }
}

}  // namespace
