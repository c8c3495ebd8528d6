#pragma once
// The renderer's screen: display mode, borderless window, OpenGL context and message pump.
#include <windows.h>

// Returns false when the window could not be created; everything it changed before that
// (display mode, cursor, class) has then been undone already.
bool CreateGLWindow();
void DestroyGLWindow();
void PumpMessages();
LRESULT CALLBACK WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
