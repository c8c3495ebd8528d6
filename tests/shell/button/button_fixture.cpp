#include "tests/shell/button/button_fixture.h"

#include <map>

#include "tests/support/test_form.h"
#include "harness/wait.h"

namespace {

constexpr COLORREF kPoison = RGB(255, 0, 255);
constexpr int kButtonLeft = 600;  // twips on the form: (40, 40) pixels
constexpr int kButtonTop = 600;

}  // namespace

toolkit::Font DialogFont() {
  toolkit::Font font;
  font.face = L"\uFF2D\uFF33 \uFF30\u30B4\u30B7\u30C3\u30AF";
  font.points = 9.75;
  font.weight = 400;
  font.charset = 128;
  return font;
}

const CapturedPixels& SkinPixels(Skin skin) {
  static std::map<Skin, CapturedPixels> loaded;
  auto found = loaded.find(skin);
  if (found != loaded.end()) return found->second;
  HBITMAP bitmap = static_cast<HBITMAP>(LoadImageA(
      GetModuleHandleA(nullptr), SkinResourceName(skin), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, bitmap);
  CapturedPixels pixels = CapturedPixels::FromDc(dc, 64, 25);
  SelectObject(dc, previous);
  DeleteDC(dc);
  DeleteObject(bitmap);
  return loaded.emplace(skin, std::move(pixels)).first->second;
}

Skin Picture(Skin skin) { return skin == Skin::HighLightSelect ? Skin::HighLight : skin; }

const char* SkinName(Skin skin) {
  const char* names[] = {"Normal",          "HighLight", "Selected",
                         "HighLightSelect", "Pressed",   "Disable"};
  return names[static_cast<int>(skin)];
}

void ButtonTest::SetUp() {
  ActivateTestForm();
  ParkPointer();
  PumpFor(20);
  // Another control that can hold the keyboard focus.
  sink_ = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 250, 200, 60, 20,
                          TestForm(), nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(sink_, nullptr);
  SetFocus(sink_);
}

void ButtonTest::TearDown() {
  // Pointer moves still queued from this test go to the form, not to the next test's button.
  ParkPointer();
  PumpFor(20);
  button_.reset();
  DestroyWindow(sink_);
  PumpFor(5);
}

Command& ButtonTest::Site(const PropertyBag* stored, double width, double height) {
  button_ = std::make_unique<Command>();
  button_->SetAmbientFont(DialogFont());
  button_->Click = [this] { ++clicks_; };
  button_->SetPropertyChangedHandler([this](const std::string& name) { changed_.push_back(name); });
  EXPECT_TRUE(toolkit::controls::SiteControl(
      *button_, TestForm(), {kButtonLeft, kButtonTop, width, height}, stored));
  return *button_;
}

void ButtonTest::Move(WPARAM keys) {
  SendMessageA(button_->hwnd(), WM_MOUSEMOVE, keys, MAKELPARAM(20, 10));
}

void ButtonTest::Send(UINT message, WPARAM keys) {
  SendMessageA(button_->hwnd(), message, keys, MAKELPARAM(20, 10));
}

void ButtonTest::Focus() { SetFocus(button_->hwnd()); }

void ButtonTest::Blur() { SetFocus(sink_); }

void ButtonTest::TickWithPointerAt(POINT screen) {
  SetCursorPos(screen.x, screen.y);
  button_->TmrMouse().onTimer();  // one tick, as the timer's message runs it
}

POINT ButtonTest::OverButton() const {
  RECT rect{};
  GetWindowRect(button_->hwnd(), &rect);
  return POINT{rect.left + 6, rect.bottom - 4};  // away from the caption
}

POINT ButtonTest::OverCaption() const {
  RECT rect{};
  GetWindowRect(button_->hwnd(), &rect);
  const RECT& caption = button_->LblMsg().Bounds();
  return POINT{rect.left + (caption.left + caption.right) / 2,
               rect.top + (caption.top + caption.bottom) / 2};
}

POINT ButtonTest::OutsideButton() const { return FormToScreen(350, 250); }

void ButtonTest::ParkPointer() const {
  POINT park = FormToScreen(350, 250);
  SetCursorPos(park.x, park.y);
}

CapturedPixels ButtonTest::Face() const {
  RECT client{};
  GetClientRect(button_->hwnd(), &client);
  return CapturedPixels::FromDc(button_->hDC(), client.right, client.bottom);
}

std::optional<Skin> ButtonTest::SkinShown() const {
  CapturedPixels face = Face();
  const int w = face.width(), h = face.height();
  for (Skin skin : {Skin::Normal, Skin::HighLight, Skin::Selected, Skin::Pressed, Skin::Disable}) {
    const CapturedPixels& picture = SkinPixels(skin);
    bool same = true;
    for (int y = 0; y < 4 && same; ++y) {
      for (int x = 0; x < 4 && same; ++x) {
        same = face.At(x, y) == picture.At(x, y) &&
               face.At(w - 4 + x, y) == picture.At(60 + x, y) &&
               face.At(x, h - 4 + y) == picture.At(x, 21 + y) &&
               face.At(w - 4 + x, h - 4 + y) == picture.At(60 + x, 21 + y);
      }
    }
    if (same) return skin;
  }
  return std::nullopt;
}

// Below the caption, inside the border.
POINT PoisonSpot(HWND button) {
  RECT client{};
  GetClientRect(button, &client);
  return POINT{client.right / 2, client.bottom - 6};
}

void ButtonTest::Poison() {
  const POINT spot = PoisonSpot(button_->hwnd());
  SetPixel(button_->hDC(), spot.x, spot.y, kPoison);
}

bool ButtonTest::Poisoned() const {
  const POINT spot = PoisonSpot(button_->hwnd());
  return GetPixel(button_->hDC(), spot.x, spot.y) == kPoison;
}
