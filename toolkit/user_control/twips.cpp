#include "twips.h"

#include <cmath>

namespace toolkit::user_control {

namespace {
constexpr double kTwipsPerInch = 1440.0;
constexpr double kHimetricPerInch = 2540.0;
constexpr int kStandardDotsPerInch = 96;
}  // namespace

double TwipsPerPixel(int dotsPerInch) {
  if (dotsPerInch <= 0) dotsPerInch = kStandardDotsPerInch;
  return kTwipsPerInch / dotsPerInch;
}

int TwipsToPixels(double twips, double twipsPerPixel) {
  return static_cast<int>(std::lround(twips / twipsPerPixel));
}

double PixelsToTwips(int pixels, double twipsPerPixel) { return pixels * twipsPerPixel; }

int TwipsToHimetric(double twips) {
  return static_cast<int>(std::lround(twips * kHimetricPerInch / kTwipsPerInch));
}

double HimetricToTwips(int himetric) { return himetric * kTwipsPerInch / kHimetricPerInch; }

}  // namespace toolkit::user_control
