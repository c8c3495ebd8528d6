// A picture box on a real window under Wine, as the window model makes every window: it keeps
// what was drawn, routes presses and pointers to its windowless controls, and draws labels
// wrapped or on one line. (Images, the combo box and the dialog keys are exercised by the
// settings dialog's tests.)
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/support/captured_pixels.h"
#include "tests/support/test_form.h"
#include "harness/wait.h"
#include "toolkit/controls/label.h"
#include "toolkit/controls/picture_box.h"
#include "toolkit/screen_pointer.h"

namespace {

using namespace toolkit::controls;
using toolkit::ScreenPointer;
using toolkit::SetScreenPointer;
using toolkit::TwipsBox;

// A box given in pixels (left, top, right, bottom), in twips at 96 DPI.
TwipsBox Box(int left, int top, int right, int bottom) {
  return TwipsBox{left * 15.0, top * 15.0, (right - left) * 15.0, (bottom - top) * 15.0};
}

constexpr COLORREF kBack = RGB(224, 224, 224);
constexpr COLORREF kInk = RGB(200, 20, 20);

// A box whose image is filled with one colour on every size change, as a form paints its
// background once. Its client area is 200 x 100 pixels, inside a 2-pixel edge.
class BoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ActivateTestForm();
    box_ = std::make_unique<PictureBox>();
    box_->Resized = [this](int width, int height) {
      resizes_.push_back(std::to_string(width) + "x" + std::to_string(height));
      RECT all{0, 0, width, height};
      HBRUSH brush = CreateSolidBrush(fill_);
      FillRect(box_->ImageDc(), &all, brush);
      DeleteObject(brush);
    };
    ASSERT_TRUE(box_->Create(TestFormWindow(), {.bounds = Box(10, 10, 214, 114), .background = kBack}));
  }
  void TearDown() override { box_.reset(); }

  CapturedPixels Shown() const { return CapturedPixels::FromPrintClient(box_->hwnd()); }
  void Post(UINT message, WPARAM keys, int x, int y) {
    SendMessageW(box_->hwnd(), message, keys, MAKELPARAM(x, y));
  }

  std::unique_ptr<PictureBox> box_;
  COLORREF fill_ = RGB(10, 100, 200);
  std::vector<std::string> resizes_;
};

// A control that records what reaches it and paints a solid block.
class Probe : public toolkit::WindowlessControl {
 public:
  Probe(toolkit::Window& host, const RECT& bounds, COLORREF colour) : colour_(colour) {
    Place(host, Box(bounds.left, bounds.top, bounds.right, bounds.bottom));
    MouseDown = [this](const toolkit::MouseEvent& event) {
      log.push_back("down " + std::to_string(event.button) + " shift " + std::to_string(event.shift) +
                    " at " + std::to_string(event.x) + "," + std::to_string(event.y));
    };
    Click = [this] { log.push_back("click"); };
  }
  void Paint(HDC dc) const override {
    HBRUSH brush = CreateSolidBrush(colour_);
    FillRect(dc, &Bounds(), brush);
    DeleteObject(brush);
  }
  std::vector<std::string> log;

 private:
  COLORREF colour_;
};

TEST_F(BoxTest, TheImageShowsWhatWasDrawnOnceOnEveryLaterPaintAndAfterAResize) {
  EXPECT_EQ(resizes_, std::vector<std::string>({"200x100"})) << "drawn when the box got its size";
  EXPECT_EQ(HexColour(Shown().At(150, 50)), HexColour(fill_));
  fill_ = RGB(1, 2, 3);  // any drawing now would show up
  RedrawWindow(box_->hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  SetPixel(box_->ImageDc(), 5, 5, kInk);
  box_->Refresh();
  const CapturedPixels shown = Shown();
  EXPECT_EQ(HexColour(shown.At(150, 50)), HexColour(RGB(10, 100, 200))) << "erasing must not paint over it";
  EXPECT_EQ(HexColour(shown.At(5, 5)), HexColour(kInk));

  // Resized, it keeps what fits and fills the rest with the background, when this owner draws
  // nothing on a size change; a window shrunk to nothing (minimised) keeps it for coming back.
  box_->Resized = nullptr;
  SetPixel(box_->ImageDc(), 199, 99, kInk);
  SetWindowPos(box_->hwnd(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOZORDER);
  SetWindowPos(box_->hwnd(), nullptr, 0, 0, 264, 134, SWP_NOMOVE | SWP_NOZORDER);
  const CapturedPixels resized = Shown();
  for (POINT kept : {POINT{5, 5}, POINT{199, 99}}) EXPECT_EQ(HexColour(resized.At(kept.x, kept.y)), HexColour(kInk));
  EXPECT_EQ(HexColour(resized.At(250, 50)), HexColour(kBack));
  EXPECT_EQ(HexColour(resized.At(50, 120)), HexColour(kBack));
}

TEST_F(BoxTest, PressesGoToTheTopmostControlUnderThemAndAClickIsALeftPressAndReleaseOnOne) {
  Probe below(*box_, {10, 10, 60, 60}, RGB(0, 0, 255));
  Probe above(*box_, {40, 40, 90, 90}, RGB(0, 255, 0));
  Probe disabled(*box_, {100, 60, 150, 90}, RGB(255, 0, 0));
  Probe beside(*box_, {100, 10, 150, 60}, RGB(0, 255, 255));
  disabled.SetEnabled(false);

  Post(WM_RBUTTONDOWN, MK_RBUTTON | MK_SHIFT, 45, 45);
  Post(WM_RBUTTONUP, MK_SHIFT, 45, 45);
  Post(WM_MBUTTONDOWN, MK_MBUTTON, 12, 13);
  Post(WM_MBUTTONUP, 0, 12, 13);
  Post(WM_LBUTTONDOWN, MK_LBUTTON, 110, 70);
  Post(WM_LBUTTONUP, 0, 110, 70);
  EXPECT_EQ(above.log, std::vector<std::string>({"down 2 shift 1 at 5,5"}));
  EXPECT_EQ(below.log, std::vector<std::string>({"down 4 shift 0 at 2,3"}));
  EXPECT_TRUE(disabled.log.empty());
  EXPECT_EQ(GetCapture(), nullptr) << "the capture taken for a press goes with its release";

  EXPECT_EQ(HexColour(Shown().At(45, 45)), HexColour(RGB(0, 255, 0))) << "later controls are drawn on top";

  below.log.clear();
  Post(WM_LBUTTONDOWN, MK_LBUTTON, 20, 20);
  Post(WM_LBUTTONUP, 0, 20, 20);
  // The second press of a double-click is the double-click: no press, no second click.
  Post(WM_LBUTTONDBLCLK, MK_LBUTTON, 20, 20);
  Post(WM_LBUTTONUP, 0, 20, 20);
  Post(WM_LBUTTONDOWN, MK_LBUTTON, 20, 20);  // released over the other control
  Post(WM_LBUTTONUP, 0, 110, 20);
  Post(WM_RBUTTONDOWN, MK_RBUTTON, 20, 20);  // another button
  Post(WM_RBUTTONUP, 0, 20, 20);
  EXPECT_EQ(below.log, std::vector<std::string>({"down 1 shift 0 at 10,10", "click", "down 1 shift 0 at 10,10",
                                                 "down 2 shift 0 at 10,10"}));
  EXPECT_TRUE(beside.log.empty());
}

TEST_F(BoxTest, APointerOfAControlShowsOverItAndTheHourglassOverEverything) {
  HCURSOR hand = LoadCursor(nullptr, IDC_HAND);
  Probe link(*box_, {10, 10, 60, 60}, RGB(0, 0, 255));
  link.SetPointer(hand);
  auto pointerAt = [&](int x, int y) {
    POINT screen{x, y};
    ClientToScreen(box_->hwnd(), &screen);
    SetCursorPos(screen.x, screen.y);
    SetCursor(nullptr);
    SendMessageW(box_->hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(box_->hwnd()),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return GetCursor();
  };
  EXPECT_EQ(pointerAt(20, 20), hand);
  EXPECT_EQ(pointerAt(150, 50), LoadCursor(nullptr, IDC_ARROW)) << "elsewhere the box's own";
  SetScreenPointer(ScreenPointer::Hourglass);
  EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_WAIT)) << "at once";
  EXPECT_EQ(pointerAt(20, 20), LoadCursor(nullptr, IDC_WAIT));
  SetScreenPointer(ScreenPointer::Default);
  EXPECT_EQ(pointerAt(20, 20), hand);
}

// Tahoma 9 pt.
LabelDesign TahomaLabel(const RECT& bounds, const wchar_t* caption) {
  return {.bounds = Box(bounds.left, bounds.top, bounds.right, bounds.bottom), .caption = caption,
          .font = {.face = L"Tahoma", .points = 9}};
}

TEST_F(BoxTest, LabelsWrapAndCutOffOrRunOnAlongOneLine) {
  LabelDesign design = TahomaLabel({10, 10, 40, 26}, L"WWWW WWWW WWWW");
  design.foreColour = kInk;
  Label wrapped;
  wrapped.Create(*box_, design);
  design.bounds = Box(10, 50, 40, 66);
  design.wordWrap = false;
  Label oneLine;
  oneLine.Create(*box_, design);
  const CapturedPixels shown = Shown();
  auto inkIn = [&](int left, int top, int right, int bottom) {
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) {
        if (shown.At(x, y) != fill_) return true;
      }
    }
    return false;
  };
  EXPECT_TRUE(inkIn(10, 10, 40, 26));
  EXPECT_FALSE(inkIn(40, 0, 200, 48)) << "a wrapped label stays inside its box";
  EXPECT_FALSE(inkIn(0, 26, 200, 48)) << "lines below its height are cut off";
  EXPECT_TRUE(inkIn(40, 50, 200, 66)) << "one line runs on past the right edge";
  EXPECT_FALSE(inkIn(0, 66, 200, 100));
}

TEST_F(BoxTest, ADisabledLabelGreysItsTextAndAColourThePlatformRefusesChangesNothing) {
  Label label;
  label.Create(*box_, TahomaLabel({10, 10, 190, 40}, L"MMM"));
  EXPECT_FALSE(label.SetForeColour(0x12000000));
  EXPECT_FALSE(label.SetForeColour(0x8000001F)) << "no system colour 31";
  EXPECT_EQ(label.ForeColour(), RGB(0, 0, 0));
  EXPECT_TRUE(label.SetForeColour(0x80000000 | COLOR_WINDOWTEXT));
  label.SetEnabled(false);
  const CapturedPixels shown = Shown();
  int black = 0, grey = 0;
  for (int y = 10; y < 40; ++y) {
    for (int x = 10; x < 190; ++x) {
      black += shown.At(x, y) == RGB(0, 0, 0);
      grey += shown.At(x, y) == GetSysColor(COLOR_GRAYTEXT);
    }
  }
  EXPECT_EQ(black, 0) << "no black text once disabled";
  EXPECT_GT(grey, 5);
}

}  // namespace
