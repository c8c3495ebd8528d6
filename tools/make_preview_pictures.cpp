// Renders the two preview pictures of Korvane.scr from the saver's own scene code:
//   make_preview_pictures.exe <lattice.bmp> <background.bmp>
// The lattice is one frame of the running saver at a fixed time, rendered full screen and
// reduced to the 152 x 112 preview area; the background is a dark still of glowing planes.
#include <windows.h>
#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>
#include <cstdio>

#include "tools/bmp_file.h"
#include "renderer/gl_window.h"
#include "tools/preview_picture_params.h"
#include "tools/preview_render.h"
#include "renderer/renderer_globals.h"
#include "renderer/scene.h"

namespace {

// Translucent blue-green planes at a slant, added up on black.
void DrawGlowingPlanes() {
  glClearColor(0, 0, 0, 0);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  SetPerspective3D();
  glDisable(GL_DEPTH_TEST);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE);
  glTranslatef(0, 0, -6);
  glRotatef(35, 1, 0, 0);
  glRotatef(-25, 0, 1, 0);
  for (int i = 0; i < 9; ++i) {
    glPushMatrix();
    glTranslatef(static_cast<float>(i - 4) * 0.9f, 0, static_cast<float>(i % 3) - 1.0f);
    glRotatef(static_cast<float>(i) * 23.0f, 0, 0, 1);
    glBegin(GL_QUADS);
    glColor4f(0.05f, 0.55f, 0.65f, 0.10f);
    glVertex3f(-2.5f, -0.4f, 0);
    glVertex3f(2.5f, -0.4f, 0);
    glColor4f(0.10f, 0.85f, 0.75f, 0.22f);
    glVertex3f(2.5f, 0.4f, 0);
    glVertex3f(-2.5f, 0.4f, 0);
    glEnd();
    glPopMatrix();
  }
  glDisable(GL_BLEND);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_preview_pictures <lattice.bmp> <background.bmp>\n");
    return 2;
  }
  g_instance = GetModuleHandleW(nullptr);
  if (!CreateGLWindow()) return 1;
  glClearColor(0, 0, 0, 0);
  RgbImage lattice = RenderPreviewPicture(kPreviewTimeMs);
  DrawGlowingPlanes();
  RgbImage background = ResampleArea(ReadFrame(), kPreviewWidth, kPreviewHeight);
  DestroyGLWindow();
  bool ok = WriteBmp24(argv[1], lattice) && WriteBmp24(argv[2], background);
  std::printf("%s\n", ok ? "written" : "could not write the pictures");
  return ok ? 0 : 1;
}
