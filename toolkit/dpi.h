#pragma once
// The screen's resolution, read here and nowhere else, and the units designs are given in:
// twips (1/1440 inch) for positions and sizes, pixels for drawing, HIMETRIC (1/100 mm) for
// the extents a container stores. Pictures are 96-dot-per-inch pictures: at another
// resolution they are drawn scaled, so that a design looks the same, only larger.
#include <windows.h>

#include "toolkit/twips_box.h"

namespace toolkit {

inline constexpr double kTwipsPerInch = 1440;
inline constexpr int kStandardDpi = 96;
// A pixel of a 96-dot-per-inch picture, in twips: the one measure that designs (in twips) and
// the program's pictures (made for 96 dots per inch) share.
inline constexpr double kTwipsPerPicturePixel = kTwipsPerInch / kStandardDpi;

// The screen's vertical dots per inch, read once; 96 when the screen reports none.
int ScreenDpi();
// A length of a picture, in screen pixels: 12 stays 12 at 96 dots per inch, 18 at 144.
int ScaledPixels(int picturePixels);

// To the nearest pixel at `dpi`, halves away from zero.
int TwipsToPixels(double twips, int dpi = ScreenDpi());
double PixelsToTwips(int pixels);
// The one rounding rule for a box: each edge is rounded on its own, so boxes that touch in
// twips touch in pixels at every resolution.
RECT PixelsOf(const TwipsBox& box, int dpi = ScreenDpi());
// A box of a picture, given in twips, in the picture's own pixels.
RECT PicturePixelsOf(const TwipsBox& box);
int TwipsToHimetric(double twips);
double HimetricToTwips(int himetric);

}  // namespace toolkit
