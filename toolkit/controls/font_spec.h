#pragma once
// A font as the form controls are designed with it, in Unicode so that a Japanese face name
// reaches GDI whatever the system's code page.
#include <windows.h>

#include <string>

#include "toolkit/gdi_object.h"

namespace toolkit::controls {

struct FontSpec {
  std::wstring face;  // empty lets GDI choose
  double points = 9;
  int weight = FW_NORMAL;
  bool italic = false;
  bool underline = false;
  BYTE charset = DEFAULT_CHARSET;
};

// Character height from the point size at the device's vertical resolution (96 when unknown).
LOGFONTW LogFontOf(const FontSpec& font, int dotsPerInchY);
GdiObject<HFONT> CreateFontOf(const FontSpec& font, int dotsPerInchY);
// The screen's vertical resolution, which design sizes are measured against.
int ScreenDotsPerInchY();

}  // namespace toolkit::controls
