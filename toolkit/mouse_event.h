#pragma once
// What a mouse event carries to a control: the button (or, for a move, the buttons held) and
// the shift keys as bit values, and the pointer's place in pixels on the control.
#include <windows.h>

namespace toolkit {

enum MouseButton : int { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };
enum ShiftKey : int { kShift = 1, kControl = 2, kAlt = 4 };

struct MouseEvent {
  int button = 0;
  int shift = 0;
  int x = 0;
  int y = 0;
};

// From a mouse message's parameters; `button` 0 takes the buttons held instead.
MouseEvent MouseEventOf(int button, WPARAM keys, LPARAM position);

// The button a press or release message is about (a quick second press counts as a press),
// or 0 for any other message.
int ButtonOfMessage(UINT message);
bool IsButtonDown(UINT message);

// After a release: gives the mouse capture back once no button is still held (`keys` of
// the release message); while another is held, its release must still come to `window`.
void ReleaseCaptureWhenNoButtonHeld(HWND window, WPARAM keys);

}  // namespace toolkit
