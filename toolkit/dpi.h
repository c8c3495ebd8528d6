#pragma once
// The screen's resolution, read here and nowhere else, and the units designs are given in:
// twips (1/1440 inch) for positions and sizes, pixels for drawing, HIMETRIC (1/100 mm) for
// the extents a container stores. Pictures are 96-dot-per-inch pictures: at another
// resolution they are drawn scaled, so that a design looks the same, only larger.
#include <windows.h>

#include "toolkit/twips_box.h"

namespace toolkit {

inline constexpr int kStandardDpi = 96;

// The screen's vertical dots per inch, read once; 96 when the screen reports none.
int ScreenDpi();
// A length of a 96-dot-per-inch picture, in screen pixels: 12 stays 12 at 96, 18 at 144.
int ScaledPixels(int pixelsAt96);

// To the nearest pixel at `dpi`, halves away from zero.
int TwipsToPixels(double twips, int dpi = ScreenDpi());
double PixelsToTwips(int pixels);
// The one rounding rule for a box: each edge is rounded on its own, so boxes that touch in
// twips touch in pixels at every resolution.
RECT PixelsOf(const TwipsBox& box, int dpi = ScreenDpi());
int TwipsToHimetric(double twips);
double HimetricToTwips(int himetric);

}  // namespace toolkit
