#include "toolkit/window.h"

#include <set>
#include <string>

namespace toolkit {
namespace {

bool RegisterOnce(const wchar_t* className, UINT classStyle, WNDPROC procedure) {
  static std::set<std::wstring> registered;
  if (registered.count(className)) return true;
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = classStyle;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.lpszClassName = className;
  if (!RegisterClassExW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
  registered.insert(className);
  return true;
}

}  // namespace

Window::~Window() {
  HWND window = window_;
  Detach();
  if (window) DestroyWindow(window);
}

Window* Window::FromHandle(HWND window) {
  if (!window || GetClassLongPtrW(window, GCLP_WNDPROC) !=
                     reinterpret_cast<ULONG_PTR>(&Window::Procedure)) {
    return nullptr;
  }
  return reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

bool Window::Create(const wchar_t* className, UINT classStyle, DWORD exStyle, DWORD style,
                    const wchar_t* title, int left, int top, int width, int height, HWND parent) {
  if (window_ || !RegisterOnce(className, classStyle, &Window::Procedure)) return false;
  CreateWindowExW(exStyle, className, title, style, left, top, width, height, parent, nullptr,
                  GetModuleHandleW(nullptr), this);
  return window_ != nullptr;
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(window_, message, wParam, lParam);
}

void Window::Detach() {
  if (window_) SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
  window_ = nullptr;
}

LRESULT CALLBACK Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    self->OnWindowGone();
    self->Detach();
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return self->HandleMessage(message, wParam, lParam);
}

}  // namespace toolkit
