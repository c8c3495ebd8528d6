// The least a program can do to show the same lattice: a plain window, a context and a loop
// that only draws and swaps. The renderer's frame rate is reported against this one.
#include <windows.h>

#include "renderer/scene.h"

namespace {

LRESULT CALLBACK ReferenceProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE || (message == WM_KEYDOWN && wParam == VK_ESCAPE)) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = ReferenceProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = "reference";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowExA(0, "reference", "Korvane_Reference", WS_POPUP | WS_VISIBLE, 0, 0,
                                1024, 768, nullptr, nullptr, instance, nullptr);
  HDC dc = GetDC(window);
  PIXELFORMATDESCRIPTOR format{};
  format.nSize = sizeof format;
  format.nVersion = 1;
  format.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
  format.iPixelType = PFD_TYPE_RGBA;
  format.cColorBits = 32;
  format.cDepthBits = 16;
  SetPixelFormat(dc, ChoosePixelFormat(dc, &format), &format);
  HGLRC context = wglCreateContext(dc);
  wglMakeCurrent(dc, context);
  double t = 0;
  for (;;) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        wglMakeCurrent(nullptr, nullptr);
        wglDeleteContext(context);
        return 0;
      }
      DispatchMessageA(&message);
    }
    SceneFrame(t, 33.0);
    t += 33.0;
  }
}
