#include "ole_colour.h"

namespace toolkit::user_control {

bool IsValidOleColour(std::int32_t colour) {
  std::uint32_t bits = static_cast<std::uint32_t>(colour);
  if ((bits & 0xFF000000u) == 0) return true;
  if ((bits & 0xFF000000u) == 0x80000000u) {
    return (bits & 0x00FFFFFFu) <= static_cast<std::uint32_t>(kLastSystemColourIndex);
  }
  return false;
}

}  // namespace toolkit::user_control
