#pragma once
// What a mouse event carries to a control, and how a window's mouse message becomes one.
#include <windows.h>

namespace toolkit {

enum MouseButton : int { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };
enum ShiftKey : int { kShift = 1, kControl = 2, kAlt = 4 };

struct MouseEvent {
  int button = 0;    // a MouseButton; for a move, those held
  int shift = 0;     // ShiftKey bits
  int x = 0, y = 0;  // pixels from the control's top-left corner
};

// The button messages come in threes (down, up, double-click) for the left, right and middle
// buttons in turn, as the buttons' bits do.
inline int ButtonOf(UINT message) { return 1 << ((message - WM_LBUTTONDOWN) / 3); }
inline bool IsButtonUp(UINT message) { return (message - WM_LBUTTONDOWN) % 3 == 1; }
inline bool IsDoubleClick(UINT message) { return (message - WM_LBUTTONDOWN) % 3 == 2; }

// The event of a message's keys and position; `button` 0 takes the buttons held instead.
MouseEvent MouseEventOf(int button, WPARAM keys, LPARAM position);

}  // namespace toolkit
