// Hosted controls on a real form under Wine: siting order, stored extents, the kept image
// behind the paint handler, drawing units, mouse capture and focus.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/support/captured_pixels.h"
#include "tests/support/test_form.h"
#include "harness/wait.h"
#include "toolkit/controls/user_control.h"
#include "toolkit/dpi.h"

namespace {

using toolkit::controls::PropertyBag;

class ProbeControl : public toolkit::controls::UserControl {
 public:
  ProbeControl() : UserControl(L"ToolkitProbeControl") {}
  // A control's own drawing, open to the test.
  using UserControl::Cls;
  using UserControl::hDC;
  using UserControl::PaintPicture;
  using UserControl::ScaleHeight;
  using UserControl::ScaleWidth;

  std::vector<std::string> log;
  std::wstring tag;
  int lastX = -1, lastY = -1;

 protected:
  void OnMouseDown(const toolkit::MouseEvent& event) override {
    log.push_back("down " + std::to_string(event.button) + " shift " + std::to_string(event.shift));
    lastX = event.x;
    lastY = event.y;
  }
  void OnMouseMove(const toolkit::MouseEvent& event) override {
    log.push_back("move " + std::to_string(event.button));
  }
  void OnMouseUp(const toolkit::MouseEvent& event) override {
    log.push_back("up " + std::to_string(event.button));
  }
  void OnGotFocus() override { log.push_back("focus"); }
  void OnLostFocus() override { log.push_back("blur"); }
  void OnResize(int width, int height) override {
    log.push_back("resize " + std::to_string(width) + "x" + std::to_string(height));
  }
  void OnInitProperties() override { log.push_back("init"); }
  void OnReadProperties(const PropertyBag& bag) override {
    tag = bag.ReadProperty<std::wstring>("Tag", L"none");
    log.push_back("read " + std::string(tag.begin(), tag.end()));
  }
  void OnWriteProperties(PropertyBag& bag) override {
    bag.WriteProperty<std::wstring>("Tag", tag, L"none");
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
    EXPECT_TRUE(control_->Create(TestFormWindow(), {.bounds = {600, 300, width, height}, .stored = stored}));
    return *control_;
  }

  HWND form_ = nullptr;
  std::unique_ptr<ProbeControl> control_;
};

TEST_F(UserControlTest, SitingReadsStoredValuesBeforeTheFirstSizeChangeAndTakesTheStoredExtent) {
  PropertyBag stored;
  stored.Set("Tag", std::wstring(L"x"));
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

TEST_F(UserControlTest, ANewControlSetsItselfUpAndWhatItWritesItReadsBack) {
  ProbeControl& control = Site(nullptr);
  EXPECT_EQ(control.log, (std::vector<std::string>{"init", "resize 77x25"})) << "the placement's size";
  control.tag = L"kept";
  PropertyBag saved;
  control.WriteProperties(saved);

  control_.reset();
  ProbeControl& again = Site(&saved, 15, 15);
  EXPECT_EQ(again.log, (std::vector<std::string>{"read kept", "resize 1x1"})) << "no stored extent: the placement's";
}

TEST_F(UserControlTest, ThePaintHandlerShowsTheKeptImageDrawnInTwips) {
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

  ASSERT_EQ(toolkit::ScreenDpi(), 96) << "the bench runs at 96 DPI";
  EXPECT_DOUBLE_EQ(control.ScaleWidth(), 1155.0);
  EXPECT_DOUBLE_EQ(control.ScaleHeight(), 375.0);

  // A 2 × 2 picture, blue on the left column, stretched by PaintPicture.
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), 2, -2, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP picture = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  DWORD* pixels = static_cast<DWORD*>(bits);
  pixels[0] = pixels[2] = 0x000000FF;
  pixels[1] = pixels[3] = 0x00FFFFFF;
  control.Cls();
  EXPECT_TRUE(control.PaintPicture(picture, {150, 75, 60, 30}, {0, 0, 15, 30}));
  EXPECT_TRUE(control.PaintPicture(picture, {300, 150, 60, 30}, {15, 0, 15, 30}));
  EXPECT_FALSE(control.PaintPicture(picture, {0, 0, -60, 30}, {0, 0, 15, 30})) << "no mirroring";
  DeleteObject(picture);
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
  EXPECT_EQ(control.lastX, 10) << "coordinates in pixels";
  EXPECT_EQ(control.lastY, 2);
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

}  // namespace
