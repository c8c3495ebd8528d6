#include "toolkit/dpi.h"

#include <cmath>

namespace toolkit {

namespace {
constexpr double kTwipsPerInch = 1440.0;
constexpr double kHimetricPerInch = 2540.0;
}  // namespace

int ScreenDpi() {
  // A program that declares itself DPI-aware keeps the system's resolution of its start.
  static const int dpi = [] {
    HDC screen = GetDC(nullptr);
    const int read = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen) ReleaseDC(nullptr, screen);
    return read > 0 ? read : kStandardDpi;
  }();
  return dpi;
}

int ScaledPixels(int pixelsAt96) { return MulDiv(pixelsAt96, ScreenDpi(), kStandardDpi); }

double TwipsPerPixel(int dotsPerInch) {
  if (dotsPerInch <= 0) dotsPerInch = kStandardDpi;
  return kTwipsPerInch / dotsPerInch;
}

double ScreenTwipsPerPixel() { return TwipsPerPixel(ScreenDpi()); }

int TwipsToPixels(double twips, double twipsPerPixel) {
  return static_cast<int>(std::lround(twips / twipsPerPixel));
}

double PixelsToTwips(int pixels, double twipsPerPixel) { return pixels * twipsPerPixel; }

RECT TwipsToPixelRect(double left, double top, double width, double height,
                      double twipsPerPixel) {
  return RECT{TwipsToPixels(left, twipsPerPixel), TwipsToPixels(top, twipsPerPixel),
              TwipsToPixels(left + width, twipsPerPixel),
              TwipsToPixels(top + height, twipsPerPixel)};
}

int TwipsToHimetric(double twips) {
  return static_cast<int>(std::lround(twips * kHimetricPerInch / kTwipsPerInch));
}

double HimetricToTwips(int himetric) { return himetric * kTwipsPerInch / kHimetricPerInch; }

}  // namespace toolkit
