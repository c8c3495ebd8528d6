#pragma once
// Input as the user gives it: through the system's input queue, to whichever window has the
// keyboard or lies under the pointer.
#include <windows.h>

#include <initializer_list>
#include <utility>

// Each key pressed (true) or released (false), in order.
void SendKeys(std::initializer_list<std::pair<WORD, bool>> keys);
// Mouse button events (MOUSEEVENTF_LEFTDOWN and the like) in order, where the pointer is or,
// given a screen point, each moving it there first. Gives how many the system took.
UINT SendMouseButtons(std::initializer_list<DWORD> events, const POINT* at = nullptr);
