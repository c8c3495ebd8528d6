#include "toolkit/font.h"

#include <cmath>

#include "toolkit/dpi.h"

namespace toolkit {

bool operator==(const Font& a, const Font& b) {
  return a.face == b.face && a.points == b.points && a.weight == b.weight &&
         a.italic == b.italic && a.underline == b.underline &&
         a.strikethrough == b.strikethrough && a.charset == b.charset;
}

LOGFONTW LogFontOf(const Font& font, int dotsPerInchY) {
  LOGFONTW log{};
  if (dotsPerInchY <= 0) dotsPerInchY = kStandardDpi;
  // Negative: the size is the character height, as point sizes mean.
  log.lfHeight = -static_cast<LONG>(std::lround(font.points * dotsPerInchY / 72.0));
  log.lfWeight = font.weight;
  log.lfItalic = font.italic;
  log.lfUnderline = font.underline;
  log.lfStrikeOut = font.strikethrough;
  log.lfCharSet = font.charset;
  log.lfOutPrecision = OUT_DEFAULT_PRECIS;
  log.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  log.lfQuality = DEFAULT_QUALITY;
  log.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  // A face longer than GDI keeps is cut; GDI then matches the nearest face it has.
  lstrcpynW(log.lfFaceName, font.face.c_str(), LF_FACESIZE);
  return log;
}

GdiObject<HFONT> CreateFontOf(const Font& font) {
  const LOGFONTW log = LogFontOf(font, ScreenDpi());
  return GdiObject<HFONT>(CreateFontIndirectW(&log));
}

}  // namespace toolkit
