#include "renderer/scene.h"

#include <windows.h>
#include <GL/gl.h>
#include <GL/glu.h>

#include "renderer/renderer_globals.h"

using namespace scene;

void SceneInit() {}
void SceneShutdown() {}

void SetPerspective3D() {
  glViewport(0, 0, kScreenWidth, kScreenHeight);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(kFieldOfView, kAspect, kNearPlane, kFarPlane);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
}

void DrawCube(float s) {
  glBegin(GL_QUADS);
  // z = -s
  glVertex3f(-s, -s, -s); glVertex3f(-s, +s, -s); glVertex3f(+s, +s, -s); glVertex3f(+s, -s, -s);
  // z = +s
  glVertex3f(-s, -s, +s); glVertex3f(-s, +s, +s); glVertex3f(+s, +s, +s); glVertex3f(+s, -s, +s);
  // y = -s
  glVertex3f(-s, -s, -s); glVertex3f(-s, -s, +s); glVertex3f(+s, -s, +s); glVertex3f(+s, -s, -s);
  // y = +s
  glVertex3f(-s, +s, -s); glVertex3f(-s, +s, +s); glVertex3f(+s, +s, +s); glVertex3f(+s, +s, -s);
  // x = -s
  glVertex3f(-s, -s, -s); glVertex3f(-s, -s, +s); glVertex3f(-s, +s, +s); glVertex3f(-s, +s, -s);
  // x = +s
  glVertex3f(+s, -s, -s); glVertex3f(+s, -s, +s); glVertex3f(+s, +s, +s); glVertex3f(+s, +s, -s);
  glEnd();
}

void SceneDraw(double t) {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  SetPerspective3D();
  glTranslatef(0.0f, 0.0f, -kEyeDistance);
  glRotatef(static_cast<float>(static_cast<double>(kRateX) * t), 1.0f, 0.0f, 0.0f);
  glRotatef(static_cast<float>(static_cast<double>(kRateY) * t), 0.0f, 1.0f, 0.0f);
  glRotatef(static_cast<float>(static_cast<double>(kRateZ) * t), 0.0f, 0.0f, 1.0f);
  glColor4f(1.0f, 1.0f, 1.0f, kCubeAlpha);
  glDisable(GL_TEXTURE_2D);
  // No depth test and additive blending: overlapping faces add up instead of hiding.
  glDisable(GL_DEPTH_TEST);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE);
  for (int x = 1; x <= kCubesPerAxis; ++x) {
    for (int y = 1; y <= kCubesPerAxis; ++y) {
      for (int z = 1; z <= kCubesPerAxis; ++z) {
        glPushMatrix();
        glTranslatef(static_cast<float>(x - kLatticeOffset), static_cast<float>(y - kLatticeOffset),
                     static_cast<float>(z - kLatticeOffset));
        DrawCube(kCubeHalfSize);
        glPopMatrix();
      }
    }
  }
  glDisable(GL_BLEND);
  glEnable(GL_DEPTH_TEST);
  glDisable(GL_TEXTURE_GEN_S);
  glDisable(GL_TEXTURE_GEN_T);
  glDisable(GL_TEXTURE_2D);
}

void SceneFrame(double totalMs, double /*deltaMs*/) {
  SceneDraw(totalMs);
  SwapBuffers(wglGetCurrentDC());
}
