#include "tools/preview_render.h"

#include <windows.h>
#include <GL/gl.h>

#include <vector>

#include "tools/preview_picture_params.h"
#include "renderer/renderer_globals.h"
#include "renderer/scene.h"

RgbImage ReadFrame() {
  RgbImage frame;
  frame.width = kScreenWidth;
  frame.height = kScreenHeight;
  std::vector<unsigned char> rgba(kScreenWidth * kScreenHeight * 4);
  glReadBuffer(GL_BACK);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, kScreenWidth, kScreenHeight, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
  frame.rgb.resize(kScreenWidth * kScreenHeight * 3);
  for (int y = 0; y < kScreenHeight; ++y)
    for (int x = 0; x < kScreenWidth; ++x)
      for (int c = 0; c < 3; ++c)
        frame.at(x, y)[c] = rgba[((kScreenHeight - 1 - y) * kScreenWidth + x) * 4 + c];
  return frame;
}

RgbImage RenderPreviewPicture(double totalMs) {
  SceneDraw(totalMs);
  return ResampleArea(ReadFrame(), kPreviewWidth, kPreviewHeight);
}
