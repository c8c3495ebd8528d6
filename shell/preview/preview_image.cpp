#include "shell/preview/preview_image.h"

#include "toolkit/gdi_object.h"

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
  toolkit::MemoryDc source(dc);
  toolkit::SelectedObject selected(source.get(), picture);
  if (size.cx == width && size.cy == height) {
    BitBlt(dc, left, top, width, height, source.get(), 0, 0, SRCCOPY);
  } else {
    // Halftone averages the source pixels each target pixel covers: no dropped lines.
    const int oldMode = SetStretchBltMode(dc, HALFTONE);
    POINT origin;
    SetBrushOrgEx(dc, 0, 0, &origin);
    StretchBlt(dc, left, top, width, height, source.get(), 0, 0, size.cx, size.cy, SRCCOPY);
    SetBrushOrgEx(dc, origin.x, origin.y, nullptr);
    SetStretchBltMode(dc, oldMode);
  }
}

bool PreviewImage::Create(HWND parent, HBITMAP picture) {
  picture_ = picture;
  const SIZE size = PictureSize(picture);
  return Window::Create(kClassName, 0, 0, WS_CHILD | WS_VISIBLE, L"Img_Prev", 0, 0, size.cx,
                        size.cy, parent);
}

void PreviewImage::Place(int left, int top, int width, int height) {
  if (hwnd()) MoveWindow(hwnd(), left, top, width, height, TRUE);
}

void PreviewImage::Paint(HDC dc) const {
  RECT client;
  GetClientRect(hwnd(), &client);
  DrawPicture(dc, picture_, 0, 0, client.right, client.bottom);
}

LRESULT PreviewImage::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // the picture covers everything
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(hwnd(), &paint);
      Paint(dc);
      EndPaint(hwnd(), &paint);
      return 0;
    }
    case WM_PRINTCLIENT:
      Paint(reinterpret_cast<HDC>(wParam));
      return 0;
    default:
      return Window::HandleMessage(message, wParam, lParam);
  }
}
