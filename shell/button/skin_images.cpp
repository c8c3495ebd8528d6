#include "shell/button/skin_images.h"

SkinImages::SkinImages() {
  HINSTANCE program = GetModuleHandleA(nullptr);
  for (int i = 0; i < kSkinCount; ++i) {
    images_[i].Reset(static_cast<HBITMAP>(LoadImageA(
        program, SkinResourceName(static_cast<Skin>(i)), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  }
}
