#include "toolkit/dpi.h"

#include <cmath>

#include "toolkit/gdi_object.h"

namespace toolkit {
namespace {
constexpr double kHimetricPerInch = 2540.0;
}  // namespace

int ScreenDpi() {
  // A program that declares itself DPI-aware keeps the system's resolution of its start.
  static const int dpi = [] {
    const ScreenDc screen(GetDC(nullptr));
    const int read = screen ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
    return read > 0 ? read : kStandardDpi;
  }();
  return dpi;
}

int ScaledPixels(int picturePixels) { return TwipsToPixels(picturePixels * kTwipsPerPicturePixel); }

int TwipsToPixels(double twips, int dpi) {
  return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}

double PixelsToTwips(int pixels) { return pixels * kTwipsPerInch / ScreenDpi(); }

RECT PicturePixelsOf(const TwipsBox& box) { return PixelsOf(box, kStandardDpi); }

RECT PixelsOf(const TwipsBox& box, int dpi) {
  return RECT{TwipsToPixels(box.left, dpi), TwipsToPixels(box.top, dpi),
              TwipsToPixels(box.left + box.width, dpi), TwipsToPixels(box.top + box.height, dpi)};
}

int TwipsToHimetric(double twips) {
  return static_cast<int>(std::lround(twips * kHimetricPerInch / kTwipsPerInch));
}

double HimetricToTwips(int himetric) { return himetric * kTwipsPerInch / kHimetricPerInch; }

}  // namespace toolkit
