#include "toolkit/controls/image.h"

#include <algorithm>

namespace toolkit::controls {

void Image::SetPicture(HBITMAP picture) {
  picture_ = picture;
  Changed();
}

void Image::Paint(HDC dc) const {
  BITMAP info{};
  if (!picture_ || !GetObjectW(picture_, sizeof info, &info)) return;
  const RECT& box = Bounds();
  const int width = std::min<int>(info.bmWidth, box.right - box.left);
  const int height = std::min<int>(info.bmHeight, box.bottom - box.top);
  if (width <= 0 || height <= 0) return;
  HDC source = CreateCompatibleDC(dc);
  if (!source) return;
  HGDIOBJ previous = SelectObject(source, picture_);
  BitBlt(dc, box.left, box.top, width, height, source, 0, 0, SRCCOPY);
  SelectObject(source, previous);
  DeleteDC(source);
}

}  // namespace toolkit::controls
