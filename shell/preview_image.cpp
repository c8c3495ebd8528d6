#include "shell/preview_image.h"

namespace {

constexpr wchar_t kClassName[] = L"KorvanePreviewImage";

SIZE PictureSize(HBITMAP picture) {
  BITMAP info{};
  GetObjectW(picture, sizeof info, &info);
  return {info.bmWidth, info.bmHeight};
}

}  // namespace

void DrawPicture(HDC dc, HBITMAP picture, int left, int top, int width, int height) {
  if (!picture || width <= 0 || height <= 0) return;
  const SIZE size = PictureSize(picture);
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(source, picture);
  if (size.cx == width && size.cy == height) {
    BitBlt(dc, left, top, width, height, source, 0, 0, SRCCOPY);
  } else {
    // Halftone averages the source pixels each target pixel covers: no dropped lines.
    const int oldMode = SetStretchBltMode(dc, HALFTONE);
    POINT origin;
    SetBrushOrgEx(dc, 0, 0, &origin);
    StretchBlt(dc, left, top, width, height, source, 0, 0, size.cx, size.cy, SRCCOPY);
    SetBrushOrgEx(dc, origin.x, origin.y, nullptr);
    SetStretchBltMode(dc, oldMode);
  }
  SelectObject(source, old);
  DeleteDC(source);
}

PreviewImage::~PreviewImage() {
  if (window_) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

bool PreviewImage::Create(HWND parent, HBITMAP picture) {
  static const ATOM registered = [] {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.lpszClassName = kClassName;
    return RegisterClassW(&windowClass);
  }();
  if (!registered) return false;
  picture_ = picture;
  const SIZE size = PictureSize(picture);
  window_ = CreateWindowExW(0, kClassName, L"Img_Prev", WS_CHILD | WS_VISIBLE, 0, 0, size.cx,
                            size.cy, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!window_) return false;
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  return true;
}

void PreviewImage::Place(int left, int top, int width, int height) {
  if (window_) MoveWindow(window_, left, top, width, height, TRUE);
}

void PreviewImage::Paint(HDC dc) const {
  RECT client;
  GetClientRect(window_, &client);
  DrawPicture(dc, picture_, 0, 0, client.right, client.bottom);
}

LRESULT CALLBACK PreviewImage::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<PreviewImage*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // the picture covers everything
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      if (self) self->Paint(dc);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_PRINTCLIENT:
      if (self) self->Paint(reinterpret_cast<HDC>(wParam));
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}
