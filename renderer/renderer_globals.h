#pragma once
// The few globals the renderer's procedures share. The renderer is one thread, one window.
#include <windows.h>

extern HINSTANCE g_instance;
extern HWND g_window;
extern HDC g_deviceContext;
extern HGLRC g_renderContext;

// Cleared by WndProc to end the main loop; nothing sets it back.
extern unsigned char running;

// The one screen size used by the display mode, the window and the viewport.
constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;
