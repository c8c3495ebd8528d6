// The lattice picture against an independent ray-cast model of what the scene must show.
#include <GL/glu.h>

#include <cmath>
#include <cstdio>

#include "tests/renderer/gl_fixture.h"
#include "tests/renderer/lattice_oracle.h"
#include "renderer/scene.h"

namespace {

using SceneTest = RendererWindowTest;

struct Tally {
  int checked = 0, empty = 0, partial = 0, saturated = 0, wrong = 0;
};

Tally CompareWithOracle(double totalMs, int step) {
  SceneDraw(totalMs);
  std::vector<unsigned char> pixels = ReadBuffer(GL_BACK);
  Tally tally;
  for (int py = step / 2; py < kScreenHeight; py += step) {
    for (int px = step / 3; px < kScreenWidth; px += step) {
      int faces = oracle::StableFaceCount(totalMs, px, py);
      if (faces < 0) continue;
      int expected = oracle::ExpectedLevel(faces);
      const unsigned char* p = &pixels[(py * kScreenWidth + px) * 4];
      int tolerance = 3 + faces / 2;  // per-face rounding in an 8-bit buffer
      ++tally.checked;
      if (faces == 0) ++tally.empty;
      else if (expected < 255) ++tally.partial;
      else ++tally.saturated;
      bool ok = std::abs(p[0] - expected) <= tolerance && p[0] == p[1] && p[1] == p[2];
      if (!ok && ++tally.wrong <= 10) {
        ADD_FAILURE() << "t=" << totalMs << " pixel (" << px << "," << py << "): " << faces
                      << " faces, expected level " << expected << ", got " << int(p[0]) << ","
                      << int(p[1]) << "," << int(p[2]);
      }
    }
  }
  return tally;
}

TEST_F(SceneTest, AtTimeZeroTheLatticeIsAxisAlignedAndFacesAddUp) {
  Tally t = CompareWithOracle(0.0, 16);
  EXPECT_EQ(t.wrong, 0);
  EXPECT_GT(t.partial, 100);
  EXPECT_GT(t.saturated, 10) << "rows along the line of sight must saturate";
}

TEST_F(SceneTest, CentreOfTheScreenLooksDownALatticeRowAndSaturates) {
  SceneDraw(0.0);
  std::vector<unsigned char> pixels = ReadBuffer(GL_BACK);
  // 12 cubes on the line of sight, two faces each: 24 faces, clamped at full white.
  const unsigned char* centre = &pixels[(384 * kScreenWidth + 512) * 4];
  EXPECT_EQ(centre[0], 255);
  EXPECT_EQ(oracle::FacesOnRay(0.0, 512, 384), 24);
}

class SceneAtTime : public SceneTest, public ::testing::WithParamInterface<double> {};

TEST_P(SceneAtTime, MatchesTheRayCastModel) {
  Tally t = CompareWithOracle(GetParam(), 24);
  EXPECT_EQ(t.wrong, 0);
  EXPECT_GT(t.checked, 500);
  EXPECT_GT(t.partial, 50);
}

// Times chosen so each rotation sits at an unremarkable angle; the last is an hour in.
INSTANTIATE_TEST_SUITE_P(Times, SceneAtTime,
                         ::testing::Values(1234.5, 9000.0, 61111.0, 123456.0, 3600000.0));

TEST_F(SceneTest, ModelviewTranslatesThenTurnsAboutXThenYThenZ) {
  const double t = 61111.0;  // 611, 1222 and 2444 degrees: every order gives another matrix
  SceneDraw(t);
  GLfloat modelview[16];
  glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
  for (int axis = 0; axis < 3; ++axis) {
    oracle::Vec3 unit{axis == 0 ? 1.0 : 0.0, axis == 1 ? 1.0 : 0.0, axis == 2 ? 1.0 : 0.0};
    oracle::Vec3 e = oracle::ToEye(t, unit);
    EXPECT_NEAR(modelview[axis * 4 + 0], e.x, 1e-4) << "column " << axis;
    EXPECT_NEAR(modelview[axis * 4 + 1], e.y, 1e-4) << "column " << axis;
    EXPECT_NEAR(modelview[axis * 4 + 2], e.z + 8.0, 1e-4) << "column " << axis;
  }
  EXPECT_FLOAT_EQ(modelview[12], 0.0f);
  EXPECT_FLOAT_EQ(modelview[13], 0.0f);
  EXPECT_FLOAT_EQ(modelview[14], -8.0f);
}

TEST_F(SceneTest, ProjectedCubeCornersLandWhereTheModelPutsThem) {
  // A lone corner of the outermost cube at (6.3, 6.3, 6.3) lies on the lattice's edge:
  // around its projection there must be light on the lattice side and none beyond.
  const double t = 2500.0;
  SceneDraw(t);
  std::vector<unsigned char> pixels = ReadBuffer(GL_BACK);
  int probed = 0;
  for (oracle::Vec3 corner : {oracle::Vec3{6.3, 6.3, 6.3}, oracle::Vec3{-5.3, -5.3, 6.3},
                              oracle::Vec3{6.3, -5.3, -5.3}}) {
    double wx, wy;
    if (!oracle::Project(oracle::ToEye(t, corner), &wx, &wy)) continue;
    if (wx < 8 || wy < 8 || wx > kScreenWidth - 8 || wy > kScreenHeight - 8) continue;
    for (int dy = -6; dy <= 6; dy += 3) {
      for (int dx = -6; dx <= 6; dx += 3) {
        int px = int(wx) + dx, py = int(wy) + dy;
        int faces = oracle::StableFaceCount(t, px, py);
        if (faces < 0) continue;
        const unsigned char* p = &pixels[(py * kScreenWidth + px) * 4];
        EXPECT_NEAR(p[0], oracle::ExpectedLevel(faces), 3 + faces / 2)
            << "near corner projection (" << wx << "," << wy << ") pixel " << px << "," << py;
        ++probed;
      }
    }
  }
  EXPECT_GT(probed, 20);
}

TEST_F(SceneTest, ThePictureDependsOnTotalTimeOnlyNotOnDelta) {
  // What reaches the screen after the swap, read back through GDI.
  SceneFrame(4321.0, 0.0);
  std::vector<unsigned char> first = ReadScreen(g_window);
  SceneFrame(4321.0, 987654.0);
  std::vector<unsigned char> second = ReadScreen(g_window);
  SceneFrame(5321.0, 0.0);
  std::vector<unsigned char> later = ReadScreen(g_window);
  SceneDraw(4321.0);
  std::vector<unsigned char> drawn = ReadBuffer(GL_BACK);
  EXPECT_TRUE(SameColours(first, second));
  EXPECT_TRUE(SameColours(first, drawn)) << "the presented frame is the drawn one";
  EXPECT_FALSE(SameColours(first, later)) << "each swap must present its own frame";
}

TEST_F(SceneTest, FrameLeavesTheDocumentedStateBehind) {
  SceneDraw(100.0);
  EXPECT_FALSE(glIsEnabled(GL_BLEND));
  EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
  EXPECT_FALSE(glIsEnabled(GL_TEXTURE_GEN_S));
  EXPECT_FALSE(glIsEnabled(GL_TEXTURE_GEN_T));
  EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
  GLfloat colour[4];
  glGetFloatv(GL_CURRENT_COLOR, colour);
  EXPECT_FLOAT_EQ(colour[0], 1.0f);
  EXPECT_FLOAT_EQ(colour[3], 0.05f);
  GLint src = 0, dst = 0;
  glGetIntegerv(GL_BLEND_SRC, &src);
  glGetIntegerv(GL_BLEND_DST, &dst);
  EXPECT_EQ(src, GL_SRC_ALPHA);
  EXPECT_EQ(dst, GL_ONE);
  GLint viewport[4];
  glGetIntegerv(GL_VIEWPORT, viewport);
  EXPECT_EQ(viewport[0], 0);
  EXPECT_EQ(viewport[1], 0);
  EXPECT_EQ(viewport[2], 1024);
  EXPECT_EQ(viewport[3], 768);
}

TEST_F(SceneTest, ProjectionIsNinetyDegreesAtFourThirds) {
  SetPerspective3D();
  GLdouble projection[16];
  glGetDoublev(GL_PROJECTION_MATRIX, projection);
  // f = 1 / tan(45 degrees) = 1; near 0.1, far 1000.
  EXPECT_NEAR(projection[0], 0.75, 1e-6);
  EXPECT_NEAR(projection[5], 1.0, 1e-6);
  EXPECT_NEAR(projection[10], -(1000 + 0.1) / (1000 - 0.1), 1e-6);
  EXPECT_NEAR(projection[14], -2 * 1000 * 0.1 / (1000 - 0.1), 1e-6);
  EXPECT_NEAR(projection[11], -1.0, 1e-9);
  GLint mode = 0;
  glGetIntegerv(GL_MATRIX_MODE, &mode);
  EXPECT_EQ(mode, GL_MODELVIEW);
}

TEST_F(SceneTest, DrawCubeSendsSixQuadsOfTheGivenHalfSize) {
  // Feedback mode reports what reaches the rasteriser, in window coordinates.
  std::vector<GLfloat> feedback(4096, -1.0f);
  glFeedbackBuffer(static_cast<GLsizei>(feedback.size()), GL_3D, feedback.data());
  glRenderMode(GL_FEEDBACK);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(-1, 1, -1, 1, -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glViewport(0, 0, 1000, 1000);
  DrawCube(0.5f);
  GLint used = glRenderMode(GL_RENDER);
  ASSERT_GT(used, 0);
  // Every vertex lies on the cube: x and y at 250 or 750 in window space.
  int polygons = 0, vertices = 0;
  for (GLint i = 0; i < used;) {
    ASSERT_EQ(feedback[i], GL_POLYGON_TOKEN) << "at " << i;
    int n = static_cast<int>(feedback[i + 1]);
    ++polygons;
    for (int v = 0; v < n; ++v) {
      float x = feedback[i + 2 + v * 3], y = feedback[i + 3 + v * 3];
      EXPECT_TRUE(std::fabs(x - 250) < 0.01 || std::fabs(x - 750) < 0.01) << x;
      EXPECT_TRUE(std::fabs(y - 250) < 0.01 || std::fabs(y - 750) < 0.01) << y;
      ++vertices;
    }
    i += 2 + n * 3;
  }
  // Side faces seen edge-on are not culled (culling is off), so all six faces arrive
  // as quads or as pairs of triangles.
  EXPECT_TRUE(polygons == 6 || polygons == 12) << polygons;
  EXPECT_TRUE(vertices == 24 || vertices == 36) << vertices;
}

}  // namespace
