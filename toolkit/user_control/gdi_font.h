#pragma once
// The GDI font for a stored font description, sized for the device it draws on.
#include <windows.h>

#include "font_description.h"
#include "gdi_handles.h"

namespace toolkit::user_control {

// Character height from the point size at the device's vertical resolution.
LOGFONTA LogFontFor(const FontDescription& font, int dotsPerInchY);
GdiObject<HFONT> CreateGdiFont(const FontDescription& font, int dotsPerInchY);

}  // namespace toolkit::user_control
