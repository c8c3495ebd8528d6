#pragma once
// The dialog's opening and closing animations: the caption flies from the point where the
// mouse pointer was when the dialog loaded to the window, and back.
#include <windows.h>

void ZoomOpen(HWND window, POINT from);
void ZoomClose(HWND window, POINT to);
