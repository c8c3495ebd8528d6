#include "tests/support/captured_pixels.h"

#include <cstdio>

#include "toolkit/gdi_object.h"

namespace {

// Fills a 32-bit top-down DIB through `draw`, then keeps its pixels.
template <class Draw>
std::vector<COLORREF> Capture(int width, int height, Draw draw) {
  std::vector<COLORREF> pixels;
  if (width <= 0 || height <= 0) return pixels;
  void* bits = nullptr;
  const toolkit::GdiObject<HBITMAP> bitmap = toolkit::CreateTrueColourBitmap(width, height, &bits);
  const toolkit::MemoryDc dc(CreateCompatibleDC(nullptr));
  if (!bitmap || !dc) return pixels;
  const toolkit::SelectedObject selected(dc.get(), bitmap.get());
  // Poison first, so a pixel nobody painted cannot pass for a painted one.
  for (int i = 0; i < width * height; ++i) static_cast<DWORD*>(bits)[i] = 0x00CC00CC;
  draw(dc.get());
  GdiFlush();
  pixels.resize(static_cast<size_t>(width) * height);
  for (int i = 0; i < width * height; ++i) {
    DWORD bgra = static_cast<DWORD*>(bits)[i];
    pixels[i] = RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
  }
  return pixels;
}

}  // namespace

CapturedPixels CapturedPixels::FromDrawing(int width, int height,
                                           const std::function<void(HDC)>& draw) {
  CapturedPixels captured;
  captured.pixels_ = Capture(width, height, draw);
  captured.width_ = captured.pixels_.empty() ? 0 : width;
  captured.height_ = captured.pixels_.empty() ? 0 : height;
  return captured;
}

CapturedPixels CapturedPixels::FromDc(HDC source, int width, int height) {
  return FromDrawing(width, height,
                     [&](HDC dc) { BitBlt(dc, 0, 0, width, height, source, 0, 0, SRCCOPY); });
}

CapturedPixels CapturedPixels::FromResource(LPCSTR name, int width, int height) {
  HBITMAP bitmap = static_cast<HBITMAP>(
      LoadImageA(GetModuleHandleA(nullptr), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  BITMAP info{};
  GetObjectW(bitmap, sizeof info, &info);
  HDC source = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(source, bitmap);
  CapturedPixels captured = FromDrawing(width, height, [&](HDC dc) {
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, 0, 0, width, height, source, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
  });
  SelectObject(source, previous);
  DeleteDC(source);
  DeleteObject(bitmap);
  return captured;
}

CapturedPixels CapturedPixels::FromPrintClient(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  CapturedPixels captured;
  captured.pixels_ = Capture(client.right, client.bottom, [&](HDC dc) {
    SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  });
  captured.width_ = captured.pixels_.empty() ? 0 : client.right;
  captured.height_ = captured.pixels_.empty() ? 0 : client.bottom;
  return captured;
}

CapturedPixels CapturedPixels::FromScreen(const RECT& area) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  CapturedPixels captured;
  HDC screen = GetDC(nullptr);
  if (!screen) return captured;
  captured.pixels_ = Capture(width, height, [&](HDC dc) {
    BitBlt(dc, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  });
  ReleaseDC(nullptr, screen);
  captured.width_ = captured.pixels_.empty() ? 0 : width;
  captured.height_ = captured.pixels_.empty() ? 0 : height;
  return captured;
}

COLORREF CapturedPixels::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
  return pixels_[static_cast<size_t>(y) * width_ + x];
}

std::string HexColour(COLORREF c) {
  char text[8];
  snprintf(text, sizeof text, "%02X%02X%02X", GetRValue(c), GetGValue(c), GetBValue(c));
  return text;
}
