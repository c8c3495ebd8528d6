#include "toolkit/controls/font_spec.h"

#include <cmath>

namespace toolkit::controls {

LOGFONTW LogFontOf(const FontSpec& font, int dotsPerInchY) {
  LOGFONTW log{};
  if (dotsPerInchY <= 0) dotsPerInchY = 96;
  // Negative: the size is the character height, as point sizes mean.
  log.lfHeight = -static_cast<LONG>(std::lround(font.points * dotsPerInchY / 72.0));
  log.lfWeight = font.weight;
  log.lfItalic = font.italic;
  log.lfUnderline = font.underline;
  log.lfCharSet = font.charset;
  log.lfOutPrecision = OUT_DEFAULT_PRECIS;
  log.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  log.lfQuality = DEFAULT_QUALITY;
  log.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  // A face longer than GDI keeps is cut; GDI then matches the nearest face it has.
  lstrcpynW(log.lfFaceName, font.face.c_str(), LF_FACESIZE);
  return log;
}

GdiObject<HFONT> CreateFontOf(const FontSpec& font, int dotsPerInchY) {
  const LOGFONTW log = LogFontOf(font, dotsPerInchY);
  return GdiObject<HFONT>(CreateFontIndirectW(&log));
}

int ScreenDotsPerInchY() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

}  // namespace toolkit::controls
