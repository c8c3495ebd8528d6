#include "toolkit/controls/image.h"

#include "toolkit/dpi.h"
#include "toolkit/picture.h"

namespace toolkit::controls {

void Image::SetPicture(HBITMAP picture) {
  picture_ = picture;
  Changed();
}

void Image::Paint(HDC dc) const {
  const RECT& box = Bounds();
  const SIZE size = PictureSize(picture_);
  const RECT whole{0, 0, size.cx, size.cy};
  if (fit_ == ImageFit::Stretch) {
    DrawPicture(dc, picture_, box, whole, Stretch::Smooth);
    return;
  }
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, box.left, box.top, box.right, box.bottom);
  DrawPicture(dc, picture_,
              RECT{box.left, box.top, box.left + ScaledPixels(size.cx), box.top + ScaledPixels(size.cy)},
              whole);
  RestoreDC(dc, saved);
}

}  // namespace toolkit::controls
