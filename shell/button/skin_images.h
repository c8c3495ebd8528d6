#pragma once
// The six skins as bitmaps, loaded from the program's resources; a skin that cannot be
// loaded paints nothing, and the face shows its gradient there.
#include <windows.h>

#include <array>

#include "shell/button/skin.h"
#include "toolkit/gdi_object.h"

class SkinImages {
 public:
  SkinImages();
  HBITMAP operator[](Skin skin) const { return images_[static_cast<int>(skin)].get(); }

 private:
  std::array<toolkit::GdiObject<HBITMAP>, kSkinCount> images_;
};
