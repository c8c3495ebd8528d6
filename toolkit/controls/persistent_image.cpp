#include "toolkit/controls/persistent_image.h"

#include <utility>

namespace toolkit::controls {

namespace {

// 32 bits per pixel, top-down: true colour whatever the screen's depth.
GdiObject<HBITMAP> CreateImageBitmap(HDC dc, int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  return GdiObject<HBITMAP>(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
}

}  // namespace

void PersistentImage::Resize(int width, int height) {
  if (width == width_ && height == height_ && dc_) return;
  if (width <= 0 || height <= 0) {
    selection_ = SelectedObject();
    bitmap_.Reset();
    dc_ = MemoryDc();
    width_ = height_ = 0;
    return;
  }
  MemoryDc dc(nullptr);
  GdiObject<HBITMAP> bitmap = CreateImageBitmap(dc.get(), width, height);
  if (!dc || !bitmap) return;  // the old image stays as it was
  SelectedObject selection(dc.get(), bitmap.get());
  if (dc_) BitBlt(dc.get(), 0, 0, width_, height_, dc_.get(), 0, 0, SRCCOPY);
  selection_ = SelectedObject();
  bitmap_ = std::move(bitmap);
  dc_ = std::move(dc);
  selection_ = std::move(selection);
  width_ = width;
  height_ = height;
}

void PersistentImage::Clear(COLORREF colour) {
  if (!dc_) return;
  GdiObject<HBRUSH> brush(CreateSolidBrush(colour));
  RECT all{0, 0, width_, height_};
  FillRect(dc_.get(), &all, brush.get());
}

void PersistentImage::CopyTo(HDC target) const {
  if (!dc_) return;
  BitBlt(target, 0, 0, width_, height_, dc_.get(), 0, 0, SRCCOPY);
}

}  // namespace toolkit::controls
