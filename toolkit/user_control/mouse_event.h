#pragma once
// The mouse buttons and shift keys a hosted control's mouse events carry, as bit values.
namespace toolkit::user_control {

enum MouseButtonBits : int { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };
enum ShiftBits : int { kShiftKey = 1, kControlKey = 2, kAltKey = 4 };

}  // namespace toolkit::user_control
