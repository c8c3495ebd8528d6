// The preview form placed into a preview window of this test's own process, where Wine
// paints it: the picture pixel for pixel at 152 x 112, scaled to other sizes, and the form's
// end when its window goes with the preview window.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "tests/shell/preview/preview_test_pictures.h"
#include "shell/preview/preview_form.h"
#include "tests/support/plain_window.h"
#include "harness/wait.h"
#include "toolkit/child_window.h"

namespace {

HWND MakeArea(int width, int height) {
  return CreatePlainWindow(WS_EX_TOPMOST, L"preview area", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 30, 30,
                           width, height);
}

TEST(PreviewForm, ShowsTheLatticePicturePixelForPixelOverItsOwnBackground) {
  HWND area = MakeArea(152, 112);
  PreviewForm form;
  ASSERT_TRUE(form.PlaceInto(area));
  const RgbImage expected = Committed("preview_lattice.bmp");
  RgbImage shown;
  WaitUntil([&] { shown = ReadScreen(area); return shown.rgb == expected.rgb; }, 5000);
  ASSERT_EQ(shown.rgb.size(), expected.rgb.size());
  int wrong = 0;
  for (size_t i = 0; i < shown.rgb.size(); ++i) wrong += shown.rgb[i] != expected.rgb[i];
  EXPECT_EQ(wrong, 0) << "bytes that differ from the lattice picture";
  DestroyWindow(area);
  EXPECT_TRUE(WaitUntil([&] { return !form.loaded(); }, 2000)) << "the form outlived its window";
}

TEST(PreviewForm, ScalesThePictureToOtherPreviewSizes) {
  const std::vector<double> want = CellMeans(Committed("preview_lattice.bmp"), 4);
  for (SIZE size : {SIZE{200, 150}, SIZE{100, 74}, SIZE{304, 224}}) {
    SCOPED_TRACE(std::to_string(size.cx) + "x" + std::to_string(size.cy));
    HWND area = MakeArea(size.cx, size.cy);
    PreviewForm form;
    ASSERT_TRUE(form.PlaceInto(area));
    RgbImage shown;
    WaitUntil([&] {
      shown = ReadScreen(area);
      const std::uint8_t* corner = shown.at(shown.width - 1, shown.height - 1);
      return !(corner[0] == 255 && corner[1] == 255 && corner[2] == 255);
    }, 5000);
    const std::vector<double> got = CellMeans(shown, 4);
    for (size_t i = 0; i < want.size(); ++i) EXPECT_NEAR(got[i], want[i], 12.0) << "cell " << i;
    DestroyWindow(area);
  }
}

TEST(PreviewForm, BackgroundPictureIsTheFormsOwnAtNaturalSize) {
  // With Img_Prev hidden the form's own picture shows, unscaled, in a larger area.
  HWND area = MakeArea(200, 150);
  PreviewForm form;
  ASSERT_TRUE(form.PlaceInto(area));
  ShowWindow(form.Img_Prev.hwnd(), SW_HIDE);
  const RgbImage expected = Committed("preview_background.bmp");
  RgbImage shown;
  WaitUntil([&] {
    shown = ReadScreen(area);
    return shown.at(151, 111)[0] == expected.at(151, 111)[0] &&
           shown.at(151, 111)[1] == expected.at(151, 111)[1] && shown.at(199, 149)[0] == 0;
  }, 5000);
  int wrong = 0;
  for (int y = 0; y < 112; ++y)
    for (int x = 0; x < 152; ++x)
      for (int c = 0; c < 3; ++c) wrong += shown.at(x, y)[c] != expected.at(x, y)[c];
  EXPECT_EQ(wrong, 0);
  EXPECT_EQ(shown.at(180, 130)[0] + shown.at(180, 130)[1] + shown.at(180, 130)[2], 0)
      << "beyond the picture the form is black";
  DestroyWindow(area);
}

HWND WINAPI RefusingSetParent(HWND, HWND) {
  SetLastError(ERROR_ACCESS_DENIED);
  return nullptr;
}

TEST(PreviewForm, ShowsNothingInAParentItCannotBecomeAChildOf) {
  HWND area = MakeArea(152, 112);
  for (bool refused : {true, false}) {
    SCOPED_TRACE(refused ? "SetParent refused" : "the desktop window as parent");
    const toolkit::SetParentCall real =
        refused ? toolkit::ReplaceSetParentCall(&RefusingSetParent) : nullptr;
    PreviewForm form;
    EXPECT_FALSE(form.PlaceInto(refused ? area : GetDesktopWindow()));
    if (real) toolkit::ReplaceSetParentCall(real);
    EXPECT_FALSE(IsWindowVisible(form.hwnd()));
    EXPECT_EQ(GetAncestor(form.hwnd(), GA_PARENT), GetDesktopWindow());
    EXPECT_FALSE(GetWindowLongW(form.hwnd(), GWL_STYLE) & WS_CHILD) << "left a child without a parent";
  }
  DestroyWindow(area);
}

}  // namespace
