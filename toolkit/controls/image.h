#pragma once
// A picture without a window. At its own size (a 96-dot-per-inch picture, scaled with the
// screen's resolution) at the top-left corner of its box and cut off at the box's edges; or
// stretched smoothly over the whole box. The picture is not owned: several images may show one.
#include <windows.h>

#include "toolkit/twips_box.h"
#include "toolkit/windowless_control.h"

namespace toolkit::controls {

enum class ImageFit { OwnSize, Stretch };

struct ImageDesign {
  TwipsBox bounds{};
  HBITMAP picture = nullptr;
  ImageFit fit = ImageFit::OwnSize;
};

class Image : public toolkit::WindowlessControl {
 public:
  bool Create(Window& parent, const ImageDesign& design);

  void SetPicture(HBITMAP picture);

  void Paint(HDC dc) const override;

 private:
  ImageDesign design_;
};

}  // namespace toolkit::controls
