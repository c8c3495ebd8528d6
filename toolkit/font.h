#pragma once
// A font as controls are designed with it and store it, in Unicode so that a Japanese face
// name reaches GDI whatever the system's code page.
#include <windows.h>

#include <string>

#include "toolkit/gdi_object.h"

namespace toolkit {

struct Font {
  std::wstring face;  // empty lets GDI choose
  double points = 9;
  int weight = FW_NORMAL;
  bool italic = false;
  bool underline = false;
  bool strikethrough = false;
  BYTE charset = DEFAULT_CHARSET;
};

bool operator==(const Font& a, const Font& b);
inline bool operator!=(const Font& a, const Font& b) { return !(a == b); }

// The GDI font at the screen's resolution.
GdiObject<HFONT> CreateFontOf(const Font& font);

}  // namespace toolkit
