#pragma once
// The screen's mouse pointer: while it is set to anything but the default, every window of
// the program shows it, whatever the controls' own pointers.
#include <windows.h>

namespace toolkit {

enum class ScreenPointer { Default, Hourglass };

// Shows the pointer at once (also when the thread is about to be busy and answers no
// messages); back to the default, the pointer of whatever is under it shows again.
void SetScreenPointer(ScreenPointer pointer);
// The pointer that overrides every other one; null for the default.
HCURSOR ScreenPointerOverride();

}  // namespace toolkit
