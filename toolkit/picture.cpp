#include "toolkit/picture.h"

namespace toolkit {

GdiObject<HBITMAP> LoadPicture(LPCWSTR resource) {
  return GdiObject<HBITMAP>(static_cast<HBITMAP>(LoadImageW(
      GetModuleHandleW(nullptr), resource, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

SIZE PictureSize(HBITMAP picture) {
  BITMAP info{};
  if (!picture || !GetObjectW(picture, sizeof info, &info)) return SIZE{0, 0};
  return SIZE{info.bmWidth, info.bmHeight};
}

bool DrawPicture(HDC dc, HBITMAP picture, const RECT& to, const RECT& from, Stretch stretch) {
  const int width = to.right - to.left, height = to.bottom - to.top;
  const int sourceWidth = from.right - from.left, sourceHeight = from.bottom - from.top;
  if (!dc || !picture || width <= 0 || height <= 0 || sourceWidth <= 0 || sourceHeight <= 0) {
    return false;
  }
  MemoryDc source(CreateCompatibleDC(dc));
  if (!source) return false;
  SelectedObject selected(source.get(), picture);
  if (width == sourceWidth && height == sourceHeight) {
    return BitBlt(dc, to.left, to.top, width, height, source.get(), from.left, from.top, SRCCOPY) != FALSE;
  }
  const int saved = SaveDC(dc);
  SetStretchBltMode(dc, stretch == Stretch::Smooth ? HALFTONE : COLORONCOLOR);
  if (stretch == Stretch::Smooth) SetBrushOrgEx(dc, 0, 0, nullptr);  // as halftoning asks
  const BOOL copied = StretchBlt(dc, to.left, to.top, width, height, source.get(), from.left,
                                 from.top, sourceWidth, sourceHeight, SRCCOPY);
  RestoreDC(dc, saved);
  return copied != FALSE;
}

}  // namespace toolkit
