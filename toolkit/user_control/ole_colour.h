#pragma once
// Colours as hosted controls store them: 0x00BBGGRR, or 0x800000nn for system colour nn.
#include <cstdint>

namespace toolkit::user_control {

constexpr std::int32_t kSystemColourFlag = static_cast<std::int32_t>(0x80000000u);
constexpr int kLastSystemColourIndex = 30;  // COLOR_MENUBAR

// Anything else (other high bytes, unknown system colour indexes) is refused, as the
// platform refuses it.
bool IsValidOleColour(std::int32_t colour);

}  // namespace toolkit::user_control
