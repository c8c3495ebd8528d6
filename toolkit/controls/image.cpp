#include "toolkit/controls/image.h"

#include "toolkit/dpi.h"
#include "toolkit/picture.h"

namespace toolkit::controls {

bool Image::Create(Window& parent, const ImageDesign& design) {
  design_ = design;
  Place(parent, design.bounds);
  return true;
}

void Image::SetPicture(HBITMAP picture) {
  design_.picture = picture;
  Changed();
}

void Image::Paint(HDC dc) const {
  const RECT& box = Bounds();
  const SIZE size = PictureSize(design_.picture);
  const RECT whole{0, 0, size.cx, size.cy};
  if (design_.fit == ImageFit::Stretch) {
    DrawPicture(dc, design_.picture, box, whole, Stretch::Smooth);
    return;
  }
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, box.left, box.top, box.right, box.bottom);
  DrawPicture(dc, design_.picture,
              RECT{box.left, box.top, box.left + ScaledPixels(size.cx), box.top + ScaledPixels(size.cy)},
              whole);
  RestoreDC(dc, saved);
}

}  // namespace toolkit::controls
