#include "system_colour.h"

#include "ole_colour.h"

namespace toolkit::user_control {

COLORREF ResolveOleColour(std::int32_t colour) {
  if (!IsValidOleColour(colour)) return RGB(0, 0, 0);
  std::uint32_t bits = static_cast<std::uint32_t>(colour);
  if (bits & 0x80000000u) return GetSysColor(static_cast<int>(bits & 0xFFu));
  return static_cast<COLORREF>(bits);
}

}  // namespace toolkit::user_control
