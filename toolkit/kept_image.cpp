#include "toolkit/kept_image.h"

#include <utility>

#include "toolkit/colour.h"

namespace toolkit {

void FillArea(HDC dc, const RECT& area, COLORREF colour) {
  if (area.right <= area.left || area.bottom <= area.top) return;
  Brush brush(CreateSolidBrush(ScreenColour(colour)));
  FillRect(dc, &area, brush.get());
}

void KeptImage::Resize(int width, int height, COLORREF background) {
  if (width <= 0 || height <= 0 || (width == size_.cx && height == size_.cy)) return;
  MemoryDc resized(CreateCompatibleDC(nullptr));
  GdiObject<HBITMAP> bitmap = CreateTrueColourBitmap(width, height);
  if (!resized || !bitmap) return;
  SelectedObject selection(resized.get(), bitmap.get());
  FillArea(resized.get(), RECT{0, 0, width, height}, background);
  if (image_) BitBlt(resized.get(), 0, 0, size_.cx, size_.cy, image_.get(), 0, 0, SRCCOPY);
  selection_ = SelectedObject();
  bitmap_ = std::move(bitmap);
  image_ = std::move(resized);
  selection_ = std::move(selection);
  size_ = SIZE{width, height};
}

void KeptImage::Fill(COLORREF background) const {
  if (image_) FillArea(image_.get(), RECT{0, 0, size_.cx, size_.cy}, background);
}

void KeptImage::CopyTo(HDC dc) const {
  if (image_) BitBlt(dc, 0, 0, size_.cx, size_.cy, image_.get(), 0, 0, SRCCOPY);
}

}  // namespace toolkit
