#include "gdi_font.h"

#include <cmath>
#include <cstring>

namespace toolkit::user_control {

LOGFONTA LogFontFor(const FontDescription& font, int dotsPerInchY) {
  LOGFONTA log;
  std::memset(&log, 0, sizeof log);
  if (dotsPerInchY <= 0) dotsPerInchY = 96;
  // Negative: the size is the character height, as point sizes mean.
  log.lfHeight = -static_cast<LONG>(std::lround(font.Points() * dotsPerInchY / 72.0));
  log.lfWeight = font.weight;
  log.lfItalic = font.italic;
  log.lfUnderline = font.underline;
  log.lfStrikeOut = font.strikethrough;
  log.lfCharSet = static_cast<BYTE>(font.charset);
  log.lfOutPrecision = OUT_DEFAULT_PRECIS;
  log.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  log.lfQuality = DEFAULT_QUALITY;
  log.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  // A face longer than GDI keeps is cut; GDI then matches the nearest face it has.
  std::strncpy(log.lfFaceName, font.face.c_str(), LF_FACESIZE - 1);
  log.lfFaceName[LF_FACESIZE - 1] = '\0';
  return log;
}

GdiObject<HFONT> CreateGdiFont(const FontDescription& font, int dotsPerInchY) {
  LOGFONTA log = LogFontFor(font, dotsPerInchY);
  return GdiObject<HFONT>(CreateFontIndirectA(&log));
}

}  // namespace toolkit::user_control
