// The painted face read back pixel by pixel: the eight border pieces of the skin, the
// gradient in the middle and its orientation per state, and where the caption goes.
#include <cstdlib>
#include <functional>
#include <vector>

#include "tests/shell/button/button_fixture.h"
#include "shell/button/face_layout.h"
#include "tests/support/test_form.h"

namespace {

constexpr COLORREF kLight = RGB(255, 255, 255);
constexpr COLORREF kShade = RGB(198, 197, 215);

bool Near(COLORREF a, COLORREF b, int tolerance) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance &&
         std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
         std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

// The vertical gradient from `top` on row 0 to `bottom` on the last row.
COLORREF GradientAt(COLORREF top, COLORREF bottom, int y, int height) {
  auto mix = [&](int a, int b) { return a + (b - a) * y / (height - 1); };
  return RGB(mix(GetRValue(top), GetRValue(bottom)), mix(GetGValue(top), GetGValue(bottom)),
             mix(GetBValue(top), GetBValue(bottom)));
}

std::string Hex(COLORREF c) {
  char text[16];
  snprintf(text, sizeof text, "%02X%02X%02X", GetRValue(c), GetGValue(c), GetBValue(c));
  return text;
}

class CommandFaceTest : public ButtonTest {
 protected:
  // Brings a loaded, initialised button to show `skin` the way the state machine does.
  void Show(Skin skin) {
    button_->Initialize();
    switch (skin) {
      case Skin::Normal: button_->Visible(); break;
      case Skin::HighLight: Move(); break;
      case Skin::Selected: Focus(); break;
      case Skin::HighLightSelect:
        Focus();
        Move();
        break;
      case Skin::Pressed: Send(WM_LBUTTONDOWN, MK_LBUTTON); break;
      case Skin::Disable: button_->Enabled(false); break;
    }
    ASSERT_EQ(SkinShown(), Picture(skin)) << SkinName(skin);
  }

  // Every pixel of the face's middle, (4, 4) to (w - 5, h - 5), is the gradient's.
  void ExpectGradientMiddle(COLORREF top, COLORREF bottom, const char* what) {
    CapturedPixels face = Face();
    int wrong = 0;
    for (int y = 4; y < face.height() - 4; ++y) {
      COLORREF expected = GradientAt(top, bottom, y, face.height());
      for (int x = 4; x < face.width() - 4; ++x) {
        COLORREF got = face.At(x, y);
        if (!Near(got, expected, 3) && wrong++ < 3) {
          ADD_FAILURE() << what << ": (" << x << ", " << y << ") is " << Hex(got) << ", gradient "
                        << Hex(expected);
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
        ASSERT_EQ(Hex(face.At(fx + x, fy + y)), Hex(picture.At(sx + x, sy + y)))
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

TEST_F(CommandFaceTest, TheMainButtonsFaceGetsItsPiecesAtTheirPlaces) {
  for (Skin skin : kAllSkins) {
    SCOPED_TRACE(SkinName(skin));
    Load(PropertyBag(), 1155, 375);
    Show(skin);
    // 1155 × 375 twips: pieces at x = 1, 60, 1095 and y = 1, 60, 315 twips.
    ExpectCornersUnscaled(skin, 77, 25);
    // The side edges are 255 twips: copied unstretched, row for row.
    ExpectCopied(skin, 0, 4, 0, 4, 4, 17, "left edge");
    ExpectCopied(skin, 73, 4, 60, 4, 4, 17, "right edge");
    // The top and bottom edges are 1035 twips, stretched from the skin's 840.
    ExpectStretchedBand(skin, true, 0, 0, 69, 0, "top edge");
    ExpectStretchedBand(skin, true, 21, 21, 69, 0, "bottom edge");
    TearDown();
    SetUp();
  }
}

TEST_F(CommandFaceTest, ALowFaceCompressesTheSideEdgesAndKeepsItsCorners) {
  for (Skin skin : kAllSkins) {
    SCOPED_TRACE(SkinName(skin));
    Load(PropertyBag(), 615, 315);  // the file button: 41 × 21 pixels
    Show(skin);
    ExpectCornersUnscaled(skin, 41, 21);
    // h = 195 twips: the 17 middle rows of the skin squeezed into 13.
    ExpectStretchedBand(skin, false, 0, 0, 13, 2, "left edge");
    ExpectStretchedBand(skin, false, 37, 60, 13, 2, "right edge");
    ExpectStretchedBand(skin, true, 0, 0, 33, 2, "top edge");
    TearDown();
    SetUp();
  }
}

TEST_F(CommandFaceTest, AWideFaceStretchesOnlyTheMiddleOfTheTopAndBottomEdges) {
  Load(PropertyBag(), 3000, 375);  // 200 × 25 pixels
  Show(Skin::Selected);
  ExpectCornersUnscaled(Skin::Selected, 200, 25);
  ExpectStretchedBand(Skin::Selected, true, 0, 0, 192, 0, "top edge");
  ExpectStretchedBand(Skin::Selected, true, 21, 21, 192, 0, "bottom edge");
  ExpectCopied(Skin::Selected, 0, 4, 0, 4, 4, 17, "left edge");
}

struct GradientRow {
  int index;
  const char* what;
  std::function<void(CommandFaceTest&)> reach;
  int state;
  Skin skin;
  bool darkOnTop;
};

TEST_F(CommandFaceTest, TheMiddleIsAlwaysTheGradientAndItsOrientationFollowsTheState) {
  const GradientRow rows[] = {
      {0, "Normal after loading", [](CommandFaceTest&) {}, 0, Skin::Normal, false},
      {1, "Normal in state 1",
       [](CommandFaceTest& t) {
         t.button_->Initialize();
         t.button_->Visible();
       },
       1, Skin::Normal, false},
      {2, "HighLight",
       [](CommandFaceTest& t) {
         t.button_->Initialize();
         t.Move();
       },
       2, Skin::HighLight, true},
      {3, "Normal after the highlight ends",
       [](CommandFaceTest& t) {
         t.button_->Initialize();
         t.Move();
         t.TickWithPointerAt(t.OutsideButton());
       },
       1, Skin::Normal, false},
      {4, "Selected",
       [](CommandFaceTest& t) {
         t.button_->Initialize();
         t.Focus();
       },
       3, Skin::Selected, false},
      {5, "HighLightSelect reached from Selected",
       [](CommandFaceTest& t) {
         t.button_->Initialize();
         t.Focus();
         t.Move();
       },
       4, Skin::HighLightSelect, false},
      {6, "Pressed on gaining the focus while hovered",
       [](CommandFaceTest& t) {
         t.button_->Initialize();
         t.Move();
         t.Focus();
       },
       4, Skin::Pressed, true},
      {7, "HighLightSelect after a click from hovering",
       [](CommandFaceTest& t) {
         t.button_->Initialize();
         t.Move();
         t.Send(WM_LBUTTONDOWN, MK_LBUTTON);
         t.Send(WM_LBUTTONUP, 0);
       },
       4, Skin::HighLightSelect, true},
      {8, "Pressed on a selected button",
       [](CommandFaceTest& t) {
         t.button_->Initialize();
         t.Focus();
         t.Send(WM_LBUTTONDOWN, MK_LBUTTON);
       },
       3, Skin::Pressed, false},
      {9, "Disable in state 1",
       [](CommandFaceTest& t) {
         t.button_->Initialize();
         t.button_->Enabled(false);
       },
       1, Skin::Disable, false},
      {10, "Disable while hovered",
       [](CommandFaceTest& t) {
         t.button_->Initialize();
         t.Move();
         t.button_->Enabled(false);
       },
       2, Skin::Disable, true},
  };
  for (const GradientRow& row : rows) {
    SCOPED_TRACE(testing::Message() << "row " << row.index << ": " << row.what);
    Load(PropertyBag(), 1155, 375);
    row.reach(*this);
    ASSERT_EQ(button_->Fields().ButtonState, row.state);
    EXPECT_EQ(button_->Fields().GradientReversed, row.darkOnTop);
    EXPECT_EQ(SkinShown(), Picture(row.skin));
    if (row.darkOnTop) {
      ExpectGradientMiddle(kShade, kLight, row.what);
    } else {
      ExpectGradientMiddle(kLight, kShade, row.what);
    }
    TearDown();
    SetUp();
  }
}

TEST_F(CommandFaceTest, TheGradientAlsoFillsTheMiddleOfALowFace) {
  Load(PropertyBag(), 615, 315);
  button_->Initialize();
  Move();
  ExpectGradientMiddle(kShade, kLight, "615 x 315 HighLight");
}

TEST_F(CommandFaceTest, TheCaptionBoxSits10TwipsAboveTheMiddleAcrossTheWholeWidth) {
  PropertyBag stored;
  stored.Set("Caption", std::wstring(L"\u8A2D\u5B9A"));  // "設定"
  Command& button = Load(stored, 1155, 375);
  // Top 80 twips, 195 high, 1155 wide: pixels 5 to 18, 0 to 77.
  const RECT& box = button.LblMsg().Bounds();
  EXPECT_EQ(box.top, 5);
  EXPECT_EQ(box.bottom, 18);
  EXPECT_EQ(box.left, 0);
  EXPECT_EQ(box.right, 77);

  CapturedPixels shown = CapturedPixels::FromPrintClient(button.hwnd());
  RECT ink{77, 25, -1, -1};
  for (int y = 0; y < 25; ++y) {
    for (int x = 0; x < 77; ++x) {
      COLORREF c = shown.At(x, y);
      if (GetRValue(c) < 90 && GetGValue(c) < 90 && GetBValue(c) < 90 &&
          !(y < 4 || y > 20 || x < 4 || x > 72)) {
        ink.left = std::min<LONG>(ink.left, x);
        ink.top = std::min<LONG>(ink.top, y);
        ink.right = std::max<LONG>(ink.right, x + 1);
        ink.bottom = std::max<LONG>(ink.bottom, y + 1);
      }
    }
  }
  ASSERT_GE(ink.right, 0) << "no caption drawn";
  EXPECT_GE(ink.top, 5) << "80 twips";
  EXPECT_LE(ink.bottom, 18) << "cut at the label's 195 twips";
  EXPECT_NEAR((ink.left + ink.right) / 2.0, 77 / 2.0, 1.5) << "centred";

  Load(PropertyBag(), 615, 315);
  EXPECT_EQ(button_->LblMsg().Bounds().top, 3) << "50 twips";
  EXPECT_EQ(button_->LblMsg().Bounds().right, 41) << "615 twips";
}

TEST_F(CommandFaceTest, ResizingPaintsNormalWhateverTheStateAndLaysTheCaptionOutAgain) {
  Command& button = Load(PropertyBag());
  button.Initialize();
  Focus();
  ASSERT_EQ(SkinShown(), Skin::Selected);
  SetWindowPos(button.hwnd(), nullptr, 0, 0, 41, 21, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(SkinShown(), Skin::Normal);
  EXPECT_EQ(button.Fields().ButtonState, 3);
  EXPECT_EQ(button.LblMsg().Bounds().top, 3) << "50 twips";

  button.Enabled(false);
  SetWindowPos(button.hwnd(), nullptr, 0, 0, 77, 25, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(SkinShown(), Skin::Disable);
  EXPECT_FALSE(button.LblMsg().Enabled()) << "the caption is greyed";
  EXPECT_TRUE(IsWindowEnabled(button.hwnd())) << "the window itself stays enabled";
}

TEST_F(CommandFaceTest, AnInvisibleButtonShowsTheFormInsteadOfItsFaceButKeepsItsCaption) {
  Command& button = Load(PropertyBag());
  button.Visible(false);
  CapturedPixels shown = CapturedPixels::FromPrintClient(button.hwnd());
  EXPECT_EQ(shown.At(0, 0), FormBackground());
  EXPECT_EQ(shown.At(38, 22), FormBackground());
  int ink = 0;
  for (int x = 0; x < 77; ++x)
    for (int y = 5; y < 18; ++y) ink += shown.At(x, y) == RGB(0, 0, 0);
  EXPECT_GT(ink, 5) << "the caption still shows";
  EXPECT_FALSE(button.Visible());

  button.Visible(true);
  EXPECT_EQ(CapturedPixels::FromPrintClient(button.hwnd()).At(0, 0),
            SkinPixels(Skin::Normal).At(0, 0));
  EXPECT_TRUE(button.Visible());
}

}  // namespace
