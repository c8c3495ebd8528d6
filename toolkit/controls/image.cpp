#include "toolkit/controls/image.h"

#include <algorithm>

#include "toolkit/dpi.h"
#include "toolkit/gdi_object.h"

namespace toolkit::controls {


void Image::SetPicture(HBITMAP picture) {
  picture_ = picture;
  Changed();
}

void Image::Paint(HDC dc) const {
  BITMAP info{};
  if (!picture_ || !GetObjectW(picture_, sizeof info, &info)) return;
  const RECT& box = Bounds();
  const int shownWidth = ScaledPixels(info.bmWidth);
  const int shownHeight = ScaledPixels(info.bmHeight);
  const int width = std::min<int>(shownWidth, box.right - box.left);
  const int height = std::min<int>(shownHeight, box.bottom - box.top);
  if (width <= 0 || height <= 0) return;
  MemoryDc source(dc);
  if (!source) return;
  SelectedObject selected(source.get(), picture_);
  if (shownWidth == info.bmWidth && shownHeight == info.bmHeight) {
    BitBlt(dc, box.left, box.top, width, height, source.get(), 0, 0, SRCCOPY);
    return;
  }
  // Whole source pixels, as the picture's own: the part that fits the box, scaled.
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, box.left, box.top, box.left + width, box.top + height);
  SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, box.left, box.top, shownWidth, shownHeight, source.get(), 0, 0, info.bmWidth,
             info.bmHeight, SRCCOPY);
  RestoreDC(dc, saved);
}

}  // namespace toolkit::controls
