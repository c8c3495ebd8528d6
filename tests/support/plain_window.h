#pragma once
// A top-level window of the test program with a white client area and no behaviour of its
// own: a preview area, a window with a title to find, a picture to cover.
#include <windows.h>

HWND CreatePlainWindow(DWORD exStyle, const wchar_t* title, DWORD style, int left, int top,
                       int width, int height);
