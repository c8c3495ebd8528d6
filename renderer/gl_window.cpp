#include "renderer/gl_window.h"

#include <cstring>

#include "renderer/renderer_globals.h"

HINSTANCE g_instance;
HWND g_window;
HDC g_deviceContext;
HGLRC g_renderContext;
unsigned char running = 1;

namespace {

constexpr char kClassName[] = "window";
constexpr char kWindowTitle[] = "Korvane_VC";
constexpr DWORD kWindowStyle = WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;  // 0x86000000
// DEVMODEA without its two trailing panning fields, as the display-mode call expects.
constexpr WORD kDevModeSize = 148;
static_assert(offsetof(DEVMODEA, dmPanningWidth) == kDevModeSize, "DEVMODEA layout");

void RegisterWindowClass() {
  WNDCLASSA windowClass;
  std::memset(&windowClass, 0, sizeof windowClass);
  windowClass.lpfnWndProc = WndProc;
  windowClass.hInstance = g_instance;
  windowClass.lpszClassName = kClassName;
  RegisterClassA(&windowClass);
}

void SwitchDisplayMode() {
  DEVMODEA mode;
  std::memset(&mode, 0, kDevModeSize);
  mode.dmSize = kDevModeSize;
  mode.dmPelsWidth = kScreenWidth;
  mode.dmPelsHeight = kScreenHeight;
  mode.dmBitsPerPel = 32;
  // dmDisplayFrequency stays 0: the adapter's default rate.
  mode.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT | DM_DISPLAYFREQUENCY;
  ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN);
}

void RestoreDisplayModeAndCursor() {
  ChangeDisplaySettingsA(nullptr, 0);  // back to the mode stored in the registry
  ShowCursor(TRUE);
}

void MakeContextCurrent() {
  PIXELFORMATDESCRIPTOR format;
  std::memset(&format, 0, sizeof format);
  format.nSize = sizeof format;  // 40
  format.nVersion = 1;
  format.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;  // 0x25
  format.iPixelType = PFD_TYPE_RGBA;
  format.cColorBits = 32;
  format.cDepthBits = 16;
  format.cStencilBits = 8;
  int index = ChoosePixelFormat(g_deviceContext, &format);
  SetPixelFormat(g_deviceContext, index, &format);
  g_renderContext = wglCreateContext(g_deviceContext);
  wglMakeCurrent(g_deviceContext, g_renderContext);
}

}  // namespace

bool CreateGLWindow() {
  RegisterWindowClass();
  SwitchDisplayMode();
  ShowCursor(FALSE);
  g_window = CreateWindowExA(WS_EX_APPWINDOW, kClassName, kWindowTitle, kWindowStyle, 0, 0,
                             kScreenWidth, kScreenHeight, nullptr, nullptr, g_instance, nullptr);
  if (!g_window) {
    // Every event that ends the renderer arrives through the window: without one the loop
    // could never end, so give the screen back now.
    UnregisterClassA(kClassName, g_instance);
    RestoreDisplayModeAndCursor();
    return false;
  }
  ShowWindow(g_window, SW_SHOW);
  SetForegroundWindow(g_window);
  SetFocus(g_window);
  g_deviceContext = GetDC(g_window);
  MakeContextCurrent();
  return true;
}

void DestroyGLWindow() {
  // The order is important: the context goes before its window, the window before its
  // class, and the display mode comes back only once nothing of ours is on screen.
  wglMakeCurrent(nullptr, nullptr);
  wglDeleteContext(g_renderContext);
  g_renderContext = nullptr;
  DestroyWindow(g_window);
  g_window = nullptr;
  g_deviceContext = nullptr;
  UnregisterClassA(kClassName, g_instance);
  RestoreDisplayModeAndCursor();
}

void PumpMessages() {
  MSG message;
  // Never waits: the main loop draws as fast as it can and only drains the queue.
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

LRESULT CALLBACK WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:  // no default processing: the main loop destroys the window
    case WM_QUIT:   // only when posted or sent to this window's handle
      running = 0;
      return 0;
    case WM_KEYDOWN:
      if (LOWORD(wParam) == VK_ESCAPE) running = 0;
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}
