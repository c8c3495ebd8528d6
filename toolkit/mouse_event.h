#pragma once
// What a mouse event carries to a control.
namespace toolkit {

enum MouseButton : int { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };
enum ShiftKey : int { kShift = 1, kControl = 2, kAlt = 4 };

struct MouseEvent {
  int button = 0;    // a MouseButton; for a move, those held
  int shift = 0;     // ShiftKey bits
  int x = 0, y = 0;  // pixels from the control's top-left corner
};

}  // namespace toolkit
