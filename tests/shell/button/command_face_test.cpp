// The painted face read back pixel by pixel: the eight border pieces of the skin, the
// gradient in the middle and its orientation per state, and where the caption goes.
#include <algorithm>
#include <vector>

#include "tests/shell/button/button_fixture.h"
#include "shell/button/face_layout.h"
#include "tests/support/reference_picture.h"
#include "tests/support/test_form.h"

namespace {

constexpr COLORREF kLight = RGB(255, 255, 255);
constexpr COLORREF kShade = RGB(198, 197, 215);

// A face's gradient as GradientFill gives it: vertical, from `top` on the first row towards
// `bottom` at the last, over a width × height face.
CapturedPixels Gradient(COLORREF top, COLORREF bottom, int width, int height) {
  auto vertex = [](LONG x, LONG y, COLORREF c) {
    return TRIVERTEX{x, y, static_cast<COLOR16>(GetRValue(c) << 8), static_cast<COLOR16>(GetGValue(c) << 8),
                     static_cast<COLOR16>(GetBValue(c) << 8), 0};
  };
  return CapturedPixels::FromDrawing(width, height, [&](HDC dc) {
    TRIVERTEX vertices[2] = {vertex(0, 0, top), vertex(width - 1, height - 1, bottom)};
    GRADIENT_RECT rect{0, 1};
    GradientFill(dc, vertices, 2, &rect, 1, GRADIENT_FILL_RECT_V);
  });
}

class CommandFaceTest : public ButtonTest {
 protected:
  // A button read with this caption; without one its whole face shows.
  Command& LoadBare(double width, double height, const wchar_t* caption = L"") {
    PropertyBag stored;
    stored.Set("Caption", std::wstring(caption));
    return Load(stored, width, height);
  }

  // Brings a loaded button to show `skin` the way the state machine does.
  void Show(Skin skin) {
    static const std::vector<Step> kReach[] = {
        {Step::Initialize, Step::Focus, Step::Blur}, {Step::Initialize, Step::Move},
        {Step::Initialize, Step::Focus},             {Step::Initialize, Step::Focus, Step::Move},
        {Step::Initialize, Step::LeftDown},          {Step::Initialize, Step::Disable}};
    for (Step step : kReach[static_cast<int>(skin)]) Apply(step);
    ASSERT_EQ(SkinShown(), Picture(skin)) << SkinName(skin);
  }

  // Every pixel of the face's middle, (4, 4) to (w - 5, h - 5), is exactly the gradient's.
  void ExpectGradientMiddle(COLORREF top, COLORREF bottom, const char* what) {
    const CapturedPixels face = Face();
    const CapturedPixels gradient = Gradient(top, bottom, face.width(), face.height());
    int wrong = 0;
    for (int y = 4; y < face.height() - 4; ++y) {
      for (int x = 4; x < face.width() - 4; ++x) {
        const COLORREF got = face.At(x, y), expected = gradient.At(x, y);
        if (got != expected && wrong++ < 3) {
          ADD_FAILURE() << what << ": (" << x << ", " << y << ") is " << HexColour(got) << ", gradient "
                        << HexColour(expected);
        }
      }
    }
    EXPECT_EQ(wrong, 0) << what;
  }

  // The face's rectangle at (fx, fy) equals the skin's at (sx, sy), pixel for pixel.
  void ExpectCopied(Skin skin, int fx, int fy, int sx, int sy, int width, int height,
                    const char* what) {
    CapturedPixels face = Face();
    const CapturedPixels& picture = SkinPixels(skin);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        ASSERT_EQ(HexColour(face.At(fx + x, fy + y)), HexColour(picture.At(sx + x, sy + y)))
            << what << " of " << SkinName(skin) << " at face (" << fx + x << ", " << fy + y << ")";
      }
    }
  }

  void ExpectCornersUnscaled(Skin skin, int w, int h) {
    ExpectCopied(skin, 0, 0, 0, 0, 4, 4, "top-left corner");
    ExpectCopied(skin, w - 4, 0, 60, 0, 4, 4, "top-right corner");
    ExpectCopied(skin, w - 4, h - 4, 60, 21, 4, 4, "bottom-right corner");
    ExpectCopied(skin, 0, h - 4, 0, 21, 4, 4, "bottom-left corner");
  }

  // Each face line across an edge band (`count` of them) equals a line of the skin band's
  // middle. Runs of equal skin lines count as one; the runs used never go backwards, start
  // with the first and end within `lastSlack` runs of the last. A band at least as long as
  // the skin's uses every run (nothing is dropped when stretching).
  void ExpectStretchedBand(Skin skin, bool horizontal, int faceFixed, int skinFixed, int count,
                           int lastSlack, const char* what) {
    CapturedPixels face = Face();
    const CapturedPixels& picture = SkinPixels(skin);
    const int skinFirst = 4, skinLast = horizontal ? 59 : 20;
    auto line = [&](const CapturedPixels& pixels, int fixed, int along) {
      std::vector<COLORREF> colours;
      for (int across = 0; across < 4; ++across) {
        colours.push_back(horizontal ? pixels.At(along, fixed + across)
                                     : pixels.At(fixed + across, along));
      }
      return colours;
    };
    std::vector<std::vector<COLORREF>> runs;
    for (int s = skinFirst; s <= skinLast; ++s) {
      std::vector<COLORREF> colours = line(picture, skinFixed, s);
      if (runs.empty() || runs.back() != colours) runs.push_back(colours);
    }
    int previous = 0, used = 0;
    for (int i = 0; i < count; ++i) {
      std::vector<COLORREF> colours = line(face, faceFixed, 4 + i);
      int match = -1;
      for (int r = previous; r < static_cast<int>(runs.size()) && match < 0; ++r) {
        if (runs[r] == colours) match = r;
      }
      if (match < 0) {
        ADD_FAILURE() << what << " of " << SkinName(skin) << ": face line " << i
                      << " matches no skin line at or after run " << previous;
        return;
      }
      if (i == 0) {
        EXPECT_EQ(match, 0) << what << " starts with the skin's first line";
      }
      if (i == 0 || match != previous) ++used;
      previous = match;
    }
    const int last = static_cast<int>(runs.size()) - 1;
    EXPECT_GE(previous, last - lastSlack) << what << " of " << SkinName(skin);
    if (count >= skinLast - skinFirst + 1) {
      EXPECT_EQ(used, last + 1) << what << " of " << SkinName(skin) << " dropped skin lines";
    }
  }
};

const Skin kAllSkins[] = {Skin::Normal,          Skin::HighLight, Skin::Selected,
                          Skin::HighLightSelect, Skin::Pressed,   Skin::Disable};

// The main, the file and a wide button: corners unscaled, edges as long as the skin's copied
// row for row, others stretched or squeezed from the skin's middle.
TEST_F(CommandFaceTest, EveryFaceGetsItsSkinsPiecesAtTheirPlaces) {
  for (Skin skin : kAllSkins) {
    for (SIZE twips : {SIZE{1155, 375}, SIZE{615, 315}, SIZE{3000, 375}}) {
      SCOPED_TRACE(testing::Message() << SkinName(skin) << " at " << twips.cx << " x " << twips.cy);
      LoadBare(twips.cx, twips.cy);
      Show(skin);
      const int w = twips.cx / 15, h = twips.cy / 15;
      ExpectCornersUnscaled(skin, w, h);
      if (h == 25) {  // side edges of 255 twips, top and bottom stretched from the skin's 840
        ExpectCopied(skin, 0, 4, 0, 4, 4, 17, "left edge");
        ExpectCopied(skin, w - 4, 4, 60, 4, 4, 17, "right edge");
        ExpectStretchedBand(skin, true, 0, 0, w - 8, 0, "top edge");
        ExpectStretchedBand(skin, true, 21, 21, w - 8, 0, "bottom edge");
      } else {  // h = 195 twips: the 17 middle rows of the skin squeezed into 13
        ExpectStretchedBand(skin, false, 0, 0, 13, 2, "left edge");
        ExpectStretchedBand(skin, false, w - 4, 60, 13, 2, "right edge");
        ExpectStretchedBand(skin, true, 0, 0, w - 8, 2, "top edge");
        if (skin == Skin::HighLight) ExpectGradientMiddle(kShade, kLight, "a low face's middle");
      }
      TearDown();
      SetUp();
    }
  }
}

struct GradientRow {
  int index;
  const char* what;
  std::vector<Step> reach;
  Skin skin;
  bool darkOnTop;
};

TEST_F(CommandFaceTest, TheMiddleIsAlwaysTheGradientAndItsOrientationFollowsTheState) {
  using S = Step;
  const GradientRow rows[] = {
      {0, "Normal after loading", {}, Skin::Normal, false},
      {1, "Normal in state 1, the focus gone", {S::Initialize, S::Focus, S::Blur}, Skin::Normal, false},
      {2, "HighLight", {S::Initialize, S::Move}, Skin::HighLight, true},
      {3, "Normal after the highlight ends", {S::Initialize, S::Move, S::TickOutside}, Skin::Normal, false},
      {4, "Selected", {S::Initialize, S::Focus}, Skin::Selected, false},
      {5, "HighLightSelect reached from Selected", {S::Initialize, S::Focus, S::Move}, Skin::HighLightSelect, false},
      {6, "Pressed on gaining the focus while hovered", {S::Initialize, S::Move, S::Focus}, Skin::Pressed, true},
      {7, "HighLightSelect after a click from hovering", {S::Initialize, S::Move, S::LeftDown, S::LeftUp},
       Skin::HighLightSelect, true},
      {8, "Pressed on a selected button", {S::Initialize, S::Focus, S::LeftDown}, Skin::Pressed, false},
      {9, "Disable in state 1", {S::Initialize, S::Disable}, Skin::Disable, false},
      {10, "Disable while hovered", {S::Initialize, S::Move, S::Disable}, Skin::Disable, true},
  };
  for (const GradientRow& row : rows) {
    SCOPED_TRACE(testing::Message() << "row " << row.index << ": " << row.what);
    LoadBare(1155, 375);
    for (Step step : row.reach) Apply(step);
    EXPECT_EQ(SkinShown(), Picture(row.skin));
    ExpectGradientMiddle(row.darkOnTop ? kShade : kLight, row.darkOnTop ? kLight : kShade, row.what);
    button_->Caption(L"Command");  // shows at the next paint, over the same face
    ExpectSamePicture(Face(), KORVANE_PICTURES, "face_row_" + std::to_string(row.index));
    TearDown();
    SetUp();
  }
}

// The dark pixels of the caption inside the face's ring.
RECT CaptionInk(const CapturedPixels& face) {
  RECT ink{face.width(), face.height(), -1, -1};
  for (int y = 4; y < face.height() - 4; ++y) {
    for (int x = 4; x < face.width() - 4; ++x) {
      const COLORREF c = face.At(x, y);
      if (GetRValue(c) < 90 && GetGValue(c) < 90 && GetBValue(c) < 90) {
        ink = RECT{std::min<LONG>(ink.left, x), std::min<LONG>(ink.top, y), std::max<LONG>(ink.right, x + 1),
                   std::max<LONG>(ink.bottom, y + 1)};
      }
    }
  }
  return ink;
}

// The faces of the dialog's buttons, caption included, as the kept pictures show them; the
// caption's box 80 (50) twips down and 195 high, 10 twips above the middle.
TEST_F(CommandFaceTest, TheDialogsButtonsLookAsKeptWithTheCaptionCentredInItsBox) {
  EXPECT_DOUBLE_EQ(CaptionTop(375, 195), 80);
  EXPECT_DOUBLE_EQ(CaptionTop(315, 195), 50);
  struct Case {
    const char* name;
    const wchar_t* caption;
    double width, height;
    bool enabled, visible;
    int inkTop = 0, inkBottom = 0;  // where the caption's ink may go, if checked
  };
  const Case cases[] = {
      {"face_settei", L"\u8A2D\u5B9A", 1155, 375, true, true, 5, 18},
      {"face_settei_disabled", L"\u8A2D\u5B9A", 1155, 375, false, true},
      {"face_cancel", L"\uFF77\uFF6C\uFF9D\uFF7E\uFF99", 1155, 375, true, true},
      {"face_file", L"...", 615, 315, true, true, 3, 16},
      {"face_file_disabled", L"...", 615, 315, false, true},
      {"face_invisible", L"\u8A2D\u5B9A", 1155, 375, true, false, 5, 18},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LoadBare(c.width, c.height, c.caption).Initialize();
    button_->Enabled(c.enabled);
    button_->Visible(c.visible);
    const CapturedPixels face = Face();
    ExpectSamePicture(face, KORVANE_PICTURES, c.name);
    if (c.inkBottom) {
      const RECT ink = CaptionInk(face);
      ASSERT_GE(ink.right, 0) << "no caption drawn";
      EXPECT_GE(ink.top, c.inkTop);
      EXPECT_LE(ink.bottom, c.inkBottom) << "cut at the label's 195 twips";
      EXPECT_NEAR((ink.left + ink.right) / 2.0, face.width() / 2.0, 1.5) << "centred across the whole width";
    }
    if (!c.visible) {  // the form shows instead of the face, the caption over it
      EXPECT_EQ(face.At(0, 0), FormBackground());
      EXPECT_EQ(face.At(38, 22), FormBackground());
      EXPECT_FALSE(button_->Visible());
      button_->Visible(true);
      EXPECT_EQ(Face().At(0, 0), SkinPixels(Skin::Normal).At(0, 0));
      EXPECT_TRUE(button_->Visible());
    }
    TearDown();
    SetUp();
  }
}

TEST_F(CommandFaceTest, ResizingPaintsNormalWhateverTheStateAndKeepsTheState) {
  Command& button = LoadBare(1155, 375);
  button.Initialize();
  Focus();
  ASSERT_EQ(SkinShown(), Skin::Selected);
  SetWindowPos(button.hwnd(), nullptr, 0, 0, 41, 21, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(SkinShown(), Skin::Normal);
  // Still focused: the pointer coming over makes it HighLightSelect, light on top (a button
  // back in state 1 would show HighLight, dark on top).
  Move();
  EXPECT_EQ(SkinShown(), Skin::HighLight);
  ExpectGradientMiddle(kLight, kShade, "HighLightSelect after the resize");

  Command& captioned = LoadBare(1155, 375, L"OK");
  captioned.Enabled(false);
  SetWindowPos(captioned.hwnd(), nullptr, 0, 0, 41, 21, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(SkinShown(), Skin::Disable);
  EXPECT_TRUE(CaptionGreyed());
  EXPECT_TRUE(IsWindowEnabled(captioned.hwnd())) << "the window itself stays enabled";
}

}  // namespace
