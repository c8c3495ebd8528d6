#include "tests/shell/button/button_fixture.h"

#include <map>

#include "harness/wait.h"
#include "tests/support/test_form.h"
#include "tests/support/ticking_timer.h"

namespace {

constexpr COLORREF kPoison = RGB(255, 0, 255);
constexpr int kButtonLeft = 600;  // twips on the form: (40, 40) pixels
constexpr int kButtonTop = 600;

}  // namespace

toolkit::Font DialogFont() {
  return {.face = L"\uFF2D\uFF33 \uFF30\u30B4\u30B7\u30C3\u30AF", .points = 9.75, .weight = 400, .charset = 128};
}

const CapturedPixels& SkinPixels(Skin skin) {
  static std::map<Skin, CapturedPixels> loaded;
  auto found = loaded.find(skin);
  if (found == loaded.end()) {
    found = loaded.emplace(skin, CapturedPixels::FromResource(SkinResourceName(skin), 64, 25)).first;
  }
  return found->second;
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
  button_->Click = [this] { ++clicks_; };
  EXPECT_TRUE(button_->Create(TestFormWindow(), {.bounds = {kButtonLeft, kButtonTop, width, height},
                                                 .ambientFont = DialogFont(),
                                                 .stored = stored}));
  return *button_;
}

void ButtonTest::Apply(Step step) {
  switch (step) {
    case Step::Initialize: button_->Initialize(); break;
    case Step::Move: Move(); break;
    case Step::MoveHeld: Move(MK_LBUTTON); break;
    case Step::LeftDown: Send(WM_LBUTTONDOWN, MK_LBUTTON); break;
    case Step::LeftUp: Send(WM_LBUTTONUP, 0); break;
    case Step::RightDown: Send(WM_RBUTTONDOWN, MK_RBUTTON); break;
    case Step::RightUp: Send(WM_RBUTTONUP, 0); break;
    case Step::MiddleUp: Send(WM_MBUTTONUP, 0); break;
    case Step::Focus: Focus(); break;
    case Step::Blur: Blur(); break;
    case Step::TickOutside: TickWithPointerAt(OutsideButton()); break;
    case Step::TickOver: TickWithPointerAt(OverButton()); break;
    case Step::TickOverCaption: TickWithPointerAt(OverCaption()); break;
    case Step::TickOverOther: {
      RECT other{};
      GetWindowRect(sink_, &other);
      TickWithPointerAt(POINT{other.left + 5, other.top + 5});
      break;
    }
    case Step::KeySpace: Key(VK_SPACE, ' ', 0x39); break;
    case Step::KeyEnter: Key(VK_RETURN, '\r', 0x1C); break;
    case Step::Disable: button_->Enabled(false); break;
    case Step::Enable: button_->Enabled(true); break;
  }
}

void ButtonTest::Move(WPARAM keys) {
  SendMessageA(button_->hwnd(), WM_MOUSEMOVE, keys, MAKELPARAM(20, 10));
}

void ButtonTest::Send(UINT message, WPARAM keys) {
  SendMessageA(button_->hwnd(), message, keys, MAKELPARAM(20, 10));
}

void ButtonTest::Key(WPARAM key, char character, LPARAM scanCode) {
  const LPARAM pressed = 1 | scanCode << 16, released = pressed | 0xC0000000;
  SendMessageA(button_->hwnd(), WM_KEYDOWN, key, pressed);
  SendMessageA(button_->hwnd(), WM_CHAR, character, pressed);
  SendMessageA(button_->hwnd(), WM_KEYUP, key, released);
}

void ButtonTest::Focus() { SetFocus(button_->hwnd()); }

void ButtonTest::Blur() { SetFocus(sink_); }

void ButtonTest::TickWithPointerAt(POINT screen) {
  SetCursorPos(screen.x, screen.y);
  // Expired timers come in the order they expire: by the second tick of a 100 ms timer
  // started now, the button's (running since before) has ticked at least once.
  int ticks = 0;
  TickingTimer witness(100, [&] { ++ticks; });
  EXPECT_TRUE(WaitUntil([&] { return ticks >= 2; }, 5000)) << "no timer ticked";
}

POINT ButtonTest::OverButton() const {
  RECT rect{};
  GetWindowRect(button_->hwnd(), &rect);
  return POINT{rect.left + 6, rect.bottom - 4};  // away from the caption
}

POINT ButtonTest::OverCaption() const {
  RECT rect{};
  GetWindowRect(button_->hwnd(), &rect);
  return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};  // the caption's middle
}

POINT ButtonTest::OutsideButton() const { return FormToScreen(350, 250); }

void ButtonTest::ParkPointer() const {
  const POINT park = OutsideButton();
  SetCursorPos(park.x, park.y);
}

CapturedPixels ButtonTest::Face() const { return CapturedPixels::FromPrintClient(button_->hwnd()); }

bool ButtonTest::CaptionGreyed() const {
  const CapturedPixels face = Face();
  int black = 0, grey = 0;
  for (int y = 4; y < face.height() - 4; ++y) {
    for (int x = 4; x < face.width() - 4; ++x) {
      black += face.At(x, y) == RGB(0, 0, 0);
      grey += face.At(x, y) == GetSysColor(COLOR_GRAYTEXT);
    }
  }
  return black == 0 && grey > 0;
}

PropertyBag ButtonTest::Saved() {
  PropertyBag bag;
  button_->WriteProperties(bag);
  return bag;
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

// Below the caption, inside the border, once what was already due is painted: marked with
// `mark`, or read back (CLR_INVALID).
COLORREF AtPoisonSpot(HWND button, COLORREF mark = CLR_INVALID) {
  UpdateWindow(button);
  RECT client{};
  GetClientRect(button, &client);
  HDC dc = GetDC(button);
  const COLORREF shown = mark == CLR_INVALID ? GetPixel(dc, client.right / 2, client.bottom - 6)
                                             : SetPixel(dc, client.right / 2, client.bottom - 6, mark);
  ReleaseDC(button, dc);
  return shown;
}

void ButtonTest::Poison() { AtPoisonSpot(button_->hwnd(), kPoison); }

bool ButtonTest::Poisoned() const { return AtPoisonSpot(button_->hwnd()) == kPoison; }
