#include "shell/button/skin_images.h"

#include <string>

#include "toolkit/picture.h"

SkinImages::SkinImages() {
  for (int i = 0; i < kSkinCount; ++i) {
    const std::string name = SkinResourceName(static_cast<Skin>(i));
    images_[i] = toolkit::LoadPicture(std::wstring(name.begin(), name.end()).c_str());
  }
}
