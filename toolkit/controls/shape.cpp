#include "toolkit/controls/shape.h"

#include "toolkit/gdi_object.h"

namespace toolkit::controls {

void Shape::Paint(HDC dc) const {
  const RECT& box = Bounds();
  if (box.right <= box.left || box.bottom <= box.top) return;
  Brush border(CreateSolidBrush(borderColour_));
  FrameRect(dc, &box, border.get());
}

}  // namespace toolkit::controls
