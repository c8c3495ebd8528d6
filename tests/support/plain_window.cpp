#include "tests/support/plain_window.h"

HWND CreatePlainWindow(DWORD exStyle, const wchar_t* title, DWORD style, int left, int top,
                       int width, int height) {
  static const ATOM windowClass = [] {
    WNDCLASSW c{};
    c.lpfnWndProc = DefWindowProcW;
    c.hInstance = GetModuleHandleW(nullptr);
    c.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    c.lpszClassName = L"KorvaneTestPlainWindow";
    return RegisterClassW(&c);
  }();
  return CreateWindowExW(exStyle, reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(windowClass)), title,
                         style, left, top, width, height, nullptr, nullptr, GetModuleHandleW(nullptr),
                         nullptr);
}

HWND ShowInactivePlainWindow(DWORD exStyle, const wchar_t* title, DWORD style, int left, int top,
                             int width, int height) {
  HWND window = CreatePlainWindow(exStyle, title, style & ~WS_VISIBLE, left, top, width, height);
  if (window) ShowWindow(window, SW_SHOWNOACTIVATE);
  return window;
}
