// The committed preview picture must stay what the saver's scene draws at the preview time:
// a change to the scene without re-running scripts/make-pictures.sh fails here.
#include <gtest/gtest.h>
#include <windows.h>
#include <GL/gl.h>

#include <cstdlib>

#include "tools/bmp_file.h"
#include "renderer/gl_window.h"
#include "tools/preview_picture_params.h"
#include "tools/preview_render.h"
#include "renderer/renderer_globals.h"

namespace {

int LargestDifference(const RgbImage& a, const RgbImage& b) {
  int worst = 0;
  for (size_t i = 0; i < a.rgb.size(); ++i) worst = std::max(worst, std::abs(a.rgb[i] - b.rgb[i]));
  return worst;
}

TEST(PreviewPicture, IsTheSaversFrameAtThePreviewTime) {
  RgbImage committed;
  ASSERT_TRUE(ReadBmp24(KORVANE_RESOURCES "\\preview_lattice.bmp", &committed));
  ASSERT_EQ(committed.width, 152);
  ASSERT_EQ(committed.height, 112);

  g_instance = GetModuleHandleW(nullptr);
  ASSERT_TRUE(CreateGLWindow());
  glClearColor(0, 0, 0, 0);
  RgbImage fresh = RenderPreviewPicture(kPreviewTimeMs);
  RgbImage otherMoment = RenderPreviewPicture(kPreviewTimeMs + 5000);
  DestroyGLWindow();

  EXPECT_LE(LargestDifference(committed, fresh), 2);
  EXPECT_GT(LargestDifference(committed, otherMoment), 40) << "the comparison must see motion";
}

TEST(AreaResampling, AveragesEveryCoveredSourcePixelByItsShare) {
  RgbImage source;
  source.width = 3;
  source.height = 1;
  source.rgb = {0, 0, 0, 90, 90, 90, 255, 255, 255};
  RgbImage half = ResampleArea(source, 2, 1);
  // Left target pixel: all of pixel 0 and half of pixel 1: (0 + 45) / 1.5 = 30.
  EXPECT_EQ(half.at(0, 0)[0], 30);
  // Right: half of pixel 1 and all of pixel 2: (45 + 255) / 1.5 = 200.
  EXPECT_EQ(half.at(1, 0)[0], 200);
}

TEST(BmpFiles, RoundTripOddWidthsWithRowPadding) {
  RgbImage image;
  image.width = 5;
  image.height = 3;
  for (int i = 0; i < 45; ++i) image.rgb.push_back(static_cast<std::uint8_t>(i * 5));
  char path[MAX_PATH];
  GetTempPathA(MAX_PATH, path);
  std::string file = std::string(path) + "korvane_bmp_roundtrip.bmp";
  ASSERT_TRUE(WriteBmp24(file, image));
  RgbImage back;
  ASSERT_TRUE(ReadBmp24(file, &back));
  DeleteFileA(file.c_str());
  EXPECT_EQ(back.width, 5);
  EXPECT_EQ(back.height, 3);
  EXPECT_EQ(back.rgb, image.rgb);
}

}  // namespace
