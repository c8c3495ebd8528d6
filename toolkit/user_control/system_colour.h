#pragma once
// The screen colour of a stored colour; an invalid one draws black.
#include <windows.h>

#include <cstdint>

namespace toolkit::user_control {

COLORREF ResolveOleColour(std::int32_t colour);

}  // namespace toolkit::user_control
