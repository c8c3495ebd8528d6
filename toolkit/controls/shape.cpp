#include "toolkit/controls/shape.h"

#include "toolkit/gdi_object.h"

namespace toolkit::controls {

bool Shape::Create(Window& parent, const ShapeDesign& design) {
  borderColour_ = design.borderColour;
  Place(parent, design.bounds);
  return true;
}

void Shape::Paint(HDC dc) const {
  const RECT& box = Bounds();
  if (box.right <= box.left || box.bottom <= box.top) return;
  Brush border(CreateSolidBrush(borderColour_));
  FrameRect(dc, &box, border.get());
}

}  // namespace toolkit::controls
