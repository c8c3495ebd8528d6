#pragma once
// The screen's resolution, read here and nowhere else, and the units design sizes are given
// in: twips (1/1440 inch) for positions and sizes, pixels for drawing, HIMETRIC (1/100 mm)
// for the extents a container stores. Pictures are 96-dot-per-inch pictures: at another
// resolution they are drawn scaled, so that a design looks the same, only larger.
#include <windows.h>

namespace toolkit {

inline constexpr int kStandardDpi = 96;

// The screen's vertical dots per inch, read once; 96 when the screen reports none.
int ScreenDpi();
// A length of a 96-dot-per-inch picture, in screen pixels: 12 stays 12 at 96, 18 at 144.
int ScaledPixels(int pixelsAt96);

// 15 at the standard 96 dots per inch; a device that reports no resolution counts as 96.
double TwipsPerPixel(int dotsPerInch);
// The screen's, from ScreenDpi().
double ScreenTwipsPerPixel();
// To the nearest pixel, halves away from zero.
int TwipsToPixels(double twips, double twipsPerPixel);
double PixelsToTwips(int pixels, double twipsPerPixel);
// A box given by its left, top, width and height in twips, in pixels: each edge is rounded
// on its own, so boxes that touch in twips touch in pixels at every resolution.
RECT TwipsToPixelRect(double left, double top, double width, double height,
                      double twipsPerPixel);
int TwipsToHimetric(double twips);
double HimetricToTwips(int himetric);

}  // namespace toolkit
