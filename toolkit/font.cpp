#include "toolkit/font.h"

#include <cmath>

#include "toolkit/dpi.h"

namespace toolkit {

bool operator==(const Font& a, const Font& b) {
  return a.face == b.face && a.points == b.points && a.weight == b.weight &&
         a.italic == b.italic && a.underline == b.underline &&
         a.strikethrough == b.strikethrough && a.charset == b.charset;
}

GdiObject<HFONT> CreateFontOf(const Font& font) {
  LOGFONTW log{};
  // Negative: the size is the character height, as point sizes mean.
  log.lfHeight = -static_cast<LONG>(std::lround(font.points * ScreenDpi() / 72.0));
  log.lfWeight = font.weight;
  log.lfItalic = font.italic;
  log.lfUnderline = font.underline;
  log.lfStrikeOut = font.strikethrough;
  log.lfCharSet = font.charset;  // precision, quality and pitch: 0, the defaults
  // A face longer than GDI keeps is cut; GDI then matches the nearest face it has.
  lstrcpynW(log.lfFaceName, font.face.c_str(), LF_FACESIZE);
  return GdiObject<HFONT>(CreateFontIndirectW(&log));
}

}  // namespace toolkit
