#pragma once
// One visible top-level window per test program for controls to live on. Wine takes about
// two seconds to destroy a visible top-level window on a display without a window manager,
// so tests share this one and destroy only what they put on it.
#include <windows.h>

#include "toolkit/window.h"

// Created on first use at (30, 30), client area painted in `FormBackground()`.
toolkit::Window& TestFormWindow();
HWND TestForm();
COLORREF FormBackground();
// Makes the form the active window and gives it the keyboard focus.
void ActivateTestForm();
// Screen position of a point of the form's client area.
POINT FormToScreen(int x, int y);
