#pragma once
// Colours as controls store them: 0x00BBGGRR, or 0x800000nn for system colour nn.
#include <windows.h>

namespace toolkit {

inline constexpr COLORREF kSystemColourFlag = 0x80000000u;
inline constexpr COLORREF kLastSystemColourIndex = 30;  // COLOR_MENUBAR

// Anything else (other high bytes, unknown system colour indexes) is refused, as the
// platform refuses it.
bool IsValidColour(COLORREF colour);
// The screen colour; an invalid colour draws black.
COLORREF ScreenColour(COLORREF colour);

}  // namespace toolkit
