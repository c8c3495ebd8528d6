#pragma once
// A top-level window of the test program with a white client area and no behaviour of its
// own: a preview area, a window with a title to find, a picture to cover.
#include <windows.h>

HWND CreatePlainWindow(DWORD exStyle, const wchar_t* title, DWORD style, int left, int top,
                       int width, int height);

// The same, shown without being activated, as a preview area inside another program's window
// is never the active window. Wine leaves such a window, if it has no caption or frame, to
// itself, so destroying it does not wait for the confirmation of a window manager the bench
// does not have (about two seconds).
HWND ShowInactivePlainWindow(DWORD exStyle, const wchar_t* title, DWORD style, int left, int top,
                             int width, int height);
