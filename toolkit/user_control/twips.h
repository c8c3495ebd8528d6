#pragma once
// The units hosted controls work in: twips (1/1440 inch) for design positions and sizes,
// pixels for drawing, HIMETRIC (1/100 mm) for the extents a container stores.
namespace toolkit::user_control {

enum class ScaleMode { Twips, Pixels };

// 15 at the standard 96 dots per inch; a device that reports no resolution counts as 96.
double TwipsPerPixel(int dotsPerInch);
// To the nearest pixel, halves away from zero.
int TwipsToPixels(double twips, double twipsPerPixel);
double PixelsToTwips(int pixels, double twipsPerPixel);
int TwipsToHimetric(double twips);
double HimetricToTwips(int himetric);

}  // namespace toolkit::user_control
