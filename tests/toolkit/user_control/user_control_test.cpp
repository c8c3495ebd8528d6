// Hosted controls on a real form under Wine: siting order, stored extents, the persistent
// image behind the paint handler, drawing units, mouse capture and focus, timers, labels.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "support/captured_pixels.h"
#include "support/test_form.h"
#include "support/wait.h"
#include "toolkit/user_control/control_site.h"
#include "toolkit/user_control/mouse_event.h"
#include "toolkit/user_control/window_timer.h"
#include "toolkit/user_control/windowless_label.h"

namespace {

using toolkit::user_control::PropertyBag;

class ProbeControl : public toolkit::user_control::UserControl {
 public:
  ProbeControl() : UserControl("ToolkitProbeControl"), timer(7) {}

  std::vector<std::string> log;
  std::string tag;
  int ticks = 0;
  double lastX = -1, lastY = -1;
  toolkit::user_control::WindowTimer timer;

 protected:
  void OnMouseDown(int button, int shift, double x, double y) override {
    log.push_back("down " + std::to_string(button) + " shift " + std::to_string(shift));
    lastX = x;
    lastY = y;
  }
  void OnMouseMove(int buttons, int, double, double) override {
    log.push_back("move " + std::to_string(buttons));
  }
  void OnMouseUp(int button, int, double, double) override {
    log.push_back("up " + std::to_string(button));
  }
  void OnGotFocus() override { log.push_back("focus"); }
  void OnLostFocus() override { log.push_back("blur"); }
  void OnResize() override {
    RECT client{};
    GetClientRect(hwnd(), &client);
    log.push_back("resize " + std::to_string(client.right) + "x" + std::to_string(client.bottom));
  }
  void OnTimer(UINT_PTR id) override {
    if (id == timer.Id()) ++ticks;
  }
  void OnWindowCreated() override { timer.Bind(hwnd()); }
  void OnWindowDestroyed() override { timer.Bind(nullptr); }
  void OnInitProperties() override { log.push_back("init"); }
  void OnReadProperties(const PropertyBag& bag) override {
    tag = bag.ReadProperty<std::string>("Tag", "none");
    log.push_back("read " + tag);
  }
  void OnWriteProperties(PropertyBag& bag) override {
    bag.WriteProperty<std::string>("Tag", tag, "none");
  }
};

class UserControlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form_ = TestForm();
    ASSERT_NE(form_, nullptr);
    ActivateTestForm();
  }
  void TearDown() override {
    control_.reset();
    PumpFor(10);
  }

  ProbeControl& Site(const PropertyBag* stored, double width = 1155, double height = 375) {
    control_ = std::make_unique<ProbeControl>();
    EXPECT_TRUE(
        toolkit::user_control::SiteControl(*control_, form_, {600, 300, width, height}, stored));
    return *control_;
  }

  HWND form_ = nullptr;
  std::unique_ptr<ProbeControl> control_;
};

TEST_F(UserControlTest, SitingReadsStoredValuesBeforeTheFirstSizeChangeAndTakesTheStoredExtent) {
  PropertyBag stored;
  stored.Set("Tag", std::string("x"));
  stored.Set("_ExtentX", std::int32_t{1085});  // 615 twips
  stored.Set("_ExtentY", std::int32_t{556});   // 315 twips
  ProbeControl& control = Site(&stored);
  EXPECT_EQ(control.log, (std::vector<std::string>{"read x", "resize 41x21"}));
  RECT rect{};
  GetWindowRect(control.hwnd(), &rect);
  MapWindowPoints(nullptr, form_, reinterpret_cast<POINT*>(&rect), 2);
  EXPECT_EQ(rect.left, 40);
  EXPECT_EQ(rect.top, 20);
  EXPECT_EQ(GetParent(control.hwnd()), form_);
}

TEST_F(UserControlTest, ANewControlSetsItselfUpAndTakesThePlacementSize) {
  ProbeControl& control = Site(nullptr);
  EXPECT_EQ(control.log, (std::vector<std::string>{"init", "resize 77x25"}));
}

TEST_F(UserControlTest, SavingStoresTheExtentInHimetricFirstThenTheControlsValues) {
  ProbeControl& control = Site(nullptr);
  control.tag = "kept";
  PropertyBag saved = toolkit::user_control::SaveControl(control);
  ASSERT_EQ(saved.Entries().size(), 3u);
  EXPECT_EQ(saved.Entries()[0].first, "_extentx");
  EXPECT_EQ(saved.ReadProperty<std::int32_t>("_extentx", 0), 2037);
  EXPECT_EQ(saved.ReadProperty<std::int32_t>("_extenty", 0), 661);
  EXPECT_EQ(saved.ReadProperty<std::string>("Tag", ""), "kept");

  control_.reset();
  ProbeControl& again = Site(&saved, 15, 15);
  EXPECT_EQ(again.log, (std::vector<std::string>{"read kept", "resize 77x25"}));
}

TEST_F(UserControlTest, ThePaintHandlerShowsThePersistentImage) {
  ProbeControl& control = Site(nullptr);
  HDC image = control.hDC();
  ASSERT_NE(image, nullptr);
  RECT all{0, 0, 77, 25};
  HBRUSH red = CreateSolidBrush(RGB(200, 0, 0));
  FillRect(image, &all, red);
  DeleteObject(red);
  control.Refresh();

  CapturedPixels shown = CapturedPixels::FromPrintClient(control.hwnd());
  ASSERT_EQ(shown.width(), 77);
  EXPECT_EQ(shown.At(0, 0), RGB(200, 0, 0));
  EXPECT_EQ(shown.At(76, 24), RGB(200, 0, 0));

  // A repaint from the platform copies the image again; nothing is lost between paints.
  InvalidateRect(control.hwnd(), nullptr, TRUE);
  UpdateWindow(control.hwnd());
  EXPECT_EQ(CapturedPixels::FromPrintClient(control.hwnd()).At(38, 12), RGB(200, 0, 0));

  control.Cls();
  EXPECT_EQ(GetPixel(image, 38, 12), GetSysColor(COLOR_BTNFACE)) << "cleared to its back colour";
}

TEST_F(UserControlTest, ScaleModeSwitchesSizesAndPicturePositionsBetweenTwipsAndPixels) {
  ProbeControl& control = Site(nullptr);
  EXPECT_DOUBLE_EQ(control.TwipsPerPixel(), 15.0);
  EXPECT_DOUBLE_EQ(control.ScaleWidth(), 1155.0);
  EXPECT_DOUBLE_EQ(control.ScaleHeight(), 375.0);
  control.SetScaleMode(toolkit::user_control::ScaleMode::Pixels);
  EXPECT_DOUBLE_EQ(control.ScaleWidth(), 77.0);
  EXPECT_DOUBLE_EQ(control.ScaleHeight(), 25.0);

  // A 2 × 2 picture, blue on the left column, stretched by PaintPicture in each unit.
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), 2, -2, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP picture = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  DWORD* pixels = static_cast<DWORD*>(bits);
  pixels[0] = pixels[2] = 0x000000FF;
  pixels[1] = pixels[3] = 0x00FFFFFF;
  control.Cls();
  EXPECT_TRUE(control.PaintPicture(picture, 10, 5, 4, 2, 0, 0, 1, 2));  // pixels
  control.SetScaleMode(toolkit::user_control::ScaleMode::Twips);
  EXPECT_TRUE(control.PaintPicture(picture, 300, 150, 60, 30, 15, 0, 15, 30));  // twips
  EXPECT_FALSE(control.PaintPicture(picture, 0, 0, -60, 30, 0, 0, 15, 30)) << "no mirroring";
  DeleteObject(picture);
  HDC image = control.hDC();
  EXPECT_EQ(GetPixel(image, 10, 5), RGB(0, 0, 255));
  EXPECT_EQ(GetPixel(image, 13, 6), RGB(0, 0, 255));
  EXPECT_EQ(GetPixel(image, 14, 5), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(GetPixel(image, 20, 10), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(image, 23, 11), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(image, 24, 10), GetSysColor(COLOR_BTNFACE));
}

TEST_F(UserControlTest, ALeftPressTakesTheFocusFirstAndTheReleaseComesBackAfterLeaving) {
  ProbeControl& control = Site(nullptr);
  control.log.clear();
  SendMessageA(control.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(10, 2));
  EXPECT_EQ(control.log, (std::vector<std::string>{"focus", "down 1 shift 1"}));
  EXPECT_DOUBLE_EQ(control.lastX, 150.0) << "coordinates in twips";
  EXPECT_DOUBLE_EQ(control.lastY, 30.0);
  EXPECT_EQ(GetCapture(), control.hwnd());
  SendMessageA(control.hwnd(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(200, 100));
  SendMessageA(control.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(200, 100));
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(control.log.back(), "up 1");

  SetFocus(form_);
  ASSERT_EQ(control.log.back(), "blur");
  control.log.clear();
  SendMessageA(control.hwnd(), WM_RBUTTONDOWN, MK_RBUTTON, 0);
  SendMessageA(control.hwnd(), WM_MBUTTONDOWN, MK_RBUTTON | MK_MBUTTON, 0);
  SendMessageA(control.hwnd(), WM_RBUTTONUP, MK_MBUTTON, 0);
  EXPECT_EQ(GetCapture(), control.hwnd()) << "held while any button is down";
  SendMessageA(control.hwnd(), WM_MBUTTONUP, 0, 0);
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(control.log,
            (std::vector<std::string>{"down 2 shift 0", "down 4 shift 0", "up 2", "up 4"}))
      << "other buttons do not take the focus";
}

TEST_F(UserControlTest, ATimerTicksToItsControlOnlyWhileSwitchedOnWithAnInterval) {
  ProbeControl& control = Site(nullptr);
  control.timer.SetInterval(20);
  EXPECT_FALSE(control.timer.Running());
  control.timer.SetEnabled(true);
  EXPECT_TRUE(control.timer.Running());
  EXPECT_TRUE(WaitUntil([&] { return control.ticks >= 3; }, 2000));
  control.timer.SetEnabled(false);
  PumpFor(30);
  int stopped = control.ticks;
  PumpFor(120);
  EXPECT_EQ(control.ticks, stopped);
  control.timer.SetEnabled(true);
  control.timer.SetInterval(0);
  EXPECT_FALSE(control.timer.Running()) << "an interval of 0 is off";
  DestroyWindow(control.hwnd());
  EXPECT_EQ(control.hwnd(), nullptr);
  EXPECT_FALSE(control.timer.Running());
}

class LabelTest : public UserControlTest {
 protected:
  // A black 8 pt caption in a 1155 × 195-twip label on a white face.
  toolkit::user_control::WindowlessLabel& Label(const std::string& caption, double height = 195) {
    ProbeControl& control = Site(nullptr);
    control.SetBackColor(0x00FFFFFF);
    control.Cls();
    toolkit::user_control::LabelDesign design;
    design.caption = caption;
    design.font.face = "Tahoma";
    design.font.sizeTenThousandths = 80000;
    design.left = 0;
    design.top = 30;
    design.width = 1155;
    design.height = height;
    design.alignment = toolkit::user_control::TextAlignment::Centre;
    label_ = std::make_unique<toolkit::user_control::WindowlessLabel>(control, design);
    return *label_;
  }
  void TearDown() override {
    label_.reset();
    UserControlTest::TearDown();
  }
  // The box around pixels darker than `limit` on every channel.
  RECT InkBox(const CapturedPixels& shown, int limit) {
    RECT box{shown.width(), shown.height(), -1, -1};
    for (int y = 0; y < shown.height(); ++y) {
      for (int x = 0; x < shown.width(); ++x) {
        COLORREF c = shown.At(x, y);
        if (GetRValue(c) < limit && GetGValue(c) < limit && GetBValue(c) < limit) {
          box.left = std::min<LONG>(box.left, x);
          box.top = std::min<LONG>(box.top, y);
          box.right = std::max<LONG>(box.right, x + 1);
          box.bottom = std::max<LONG>(box.bottom, y + 1);
        }
      }
    }
    return box;
  }
  std::unique_ptr<toolkit::user_control::WindowlessLabel> label_;
};

TEST_F(LabelTest, WrapsLongTextAtWordsAndCutsLinesBelowItsHeight) {
  toolkit::user_control::WindowlessLabel& label = Label("WWWW WWWW WWWW WWWW WWWW WWWW", 600);
  RECT tall = InkBox(CapturedPixels::FromPrintClient(control_->hwnd()), 100);
  ASSERT_GE(tall.right, 0);
  EXPECT_GT(tall.bottom - tall.top, 14) << "more than one line of about 9 pixels";
  EXPECT_LE(tall.right - tall.left, 77);

  label.Move(0, 30, 1155);  // height stays 600
  EXPECT_DOUBLE_EQ(label.Height(), 600);
  label_.reset();
  toolkit::user_control::WindowlessLabel& cut = Label("WWWW WWWW WWWW WWWW WWWW WWWW", 150);
  RECT box = cut.PixelBounds(15);
  RECT ink = InkBox(CapturedPixels::FromPrintClient(control_->hwnd()), 100);
  ASSERT_GE(ink.right, 0);
  EXPECT_LE(ink.bottom, box.bottom);
}

TEST_F(LabelTest, ADisabledLabelGreysItsTextAndAColourThePlatformRefusesChangesNothing) {
  toolkit::user_control::WindowlessLabel& label = Label("MMM");
  EXPECT_FALSE(label.SetForeColour(0x12000000));
  EXPECT_FALSE(label.SetForeColour(static_cast<std::int32_t>(0x8000001F)));
  EXPECT_EQ(label.ForeColour(), 0);
  EXPECT_TRUE(label.SetForeColour(static_cast<std::int32_t>(0x80000000 | COLOR_WINDOWTEXT)));
  label.SetEnabled(false);
  CapturedPixels shown = CapturedPixels::FromPrintClient(control_->hwnd());
  RECT black = InkBox(shown, 60);
  EXPECT_LT(black.right, 0) << "no black text once disabled";
  COLORREF grey = GetSysColor(COLOR_GRAYTEXT);
  int greyPixels = 0;
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x) greyPixels += shown.At(x, y) == grey;
  EXPECT_GT(greyPixels, 5);
}

}  // namespace
