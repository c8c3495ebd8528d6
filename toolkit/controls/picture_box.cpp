#include "toolkit/controls/picture_box.h"

namespace toolkit::controls {
namespace {

constexpr wchar_t kPictureBoxClass[] = L"ToolkitPictureBox";

bool RegisterPictureBoxClass(WNDPROC procedure) {
  static const bool registered = [procedure] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kPictureBoxClass;
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }();
  return registered;
}

}  // namespace

PictureBox::PictureBox(const PictureBoxDesign& design)
    : design_(design), canvas_(design.background) {}

PictureBox::~PictureBox() {
  // The order is important: the window forgets this object before it goes.
  if (window_) {
    HWND window = window_;
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    window_ = nullptr;
    DestroyWindow(window);
  }
}

bool PictureBox::Create(HWND parent) {
  if (window_ || !RegisterPictureBoxClass(&PictureBox::WindowProc)) return false;
  const RECT& b = design_.bounds;
  const DWORD exStyle = WS_EX_CONTROLPARENT | (design_.sunkenBorder ? WS_EX_CLIENTEDGE : 0);
  CreateWindowExW(exStyle, kPictureBoxClass, L"",
                  WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, b.left, b.top,
                  b.right - b.left, b.bottom - b.top, parent, nullptr, GetModuleHandleW(nullptr),
                  this);
  return window_ != nullptr;
}

SIZE PictureBox::ClientSize() const {
  RECT client{};
  if (window_) GetClientRect(window_, &client);
  return SIZE{client.right, client.bottom};
}

LRESULT CALLBACK PictureBox::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    auto* box = static_cast<PictureBox*>(create->lpCreateParams);
    box->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(box));
  }
  auto* box = reinterpret_cast<PictureBox*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!box) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    box->window_ = nullptr;
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return box->HandleMessage(message, wParam, lParam);
}

LRESULT PictureBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (canvas_.HandleMessage(window_, message, wParam, lParam, result)) return result;
  return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace toolkit::controls
