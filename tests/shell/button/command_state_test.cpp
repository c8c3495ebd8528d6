// The button's state machine, row by row: through real messages to a real button on a real
// form, the skin it paints and whether Click is raised; and the same rows through the state
// machine's own rules, the state each ends in.
#include <map>
#include <optional>
#include <vector>

#include "harness/sound_capture.h"
#include "harness/wait.h"
#include "shell/button/button_state_machine.h"
#include "tests/shell/button/button_fixture.h"
#include "tests/support/send_input.h"
#include "tests/support/test_form.h"

namespace {

struct Row {
  int index;
  const char* what;
  std::vector<Step> before;  // brings the button to the state the row starts from
  Step event;
  int state;
  std::optional<Skin> painted;  // nothing: the face is not painted at all
  bool click;
  bool mouseIsDown = false;
};

constexpr auto N = Skin::Normal;
constexpr auto HL = Skin::HighLight;
constexpr auto SEL = Skin::Selected;
constexpr auto HLS = Skin::HighLightSelect;
constexpr auto P = Skin::Pressed;
using S = Step;

const std::vector<Row>& Rows() {
  static const std::vector<Row> rows = {
      // mouse move
      {0, "moving over a normal button highlights it", {S::Initialize}, S::Move, 2, HL, false},
      {1, "moving over a focused button highlights it as selected", {S::Initialize, S::Focus}, S::Move, 4, HLS, false},
      {2, "moving back over a button pressed and dragged out does not highlight it", {S::Initialize, S::Move, S::LeftDown, S::TickOutside}, S::MoveHeld, 3, std::nullopt, false, true},
      {3, "moving over a hovered button paints nothing", {S::Initialize, S::Move}, S::Move, 2, std::nullopt, false},
      {4, "moving with a button held over a normal button still highlights it", {S::Initialize}, S::MoveHeld, 2, HL, false},
      // pointer tracking
      {5, "the pointer found outside ends the highlight", {S::Initialize, S::Move}, S::TickOutside, 1, N, false},
      {6, "the pointer found outside a focused hovered button leaves it selected", {S::Initialize, S::Focus, S::Move}, S::TickOutside, 3, SEL, false},
      {7, "the pointer over the face keeps the highlight", {S::Initialize, S::Move}, S::TickOver, 2, std::nullopt, false},
      {8, "the pointer over the caption counts as over the button", {S::Initialize, S::Move}, S::TickOverCaption, 2, std::nullopt, false},
      {43, "the pointer found over another control ends the highlight", {S::Initialize, S::Focus, S::Move}, S::TickOverOther, 3, SEL, false},
      {9, "a tick with the pointer away from a normal button changes nothing", {S::Initialize}, S::TickOutside, 1, std::nullopt, false},
      {10, "a tick with the pointer away from a selected button changes nothing", {S::Initialize, S::Focus}, S::TickOutside, 3, std::nullopt, false},
      // focus
      {11, "gaining the focus with the pointer elsewhere selects", {S::Initialize}, S::Focus, 3, SEL, false},
      {12, "gaining the focus while hovered shows Pressed", {S::Initialize, S::Move}, S::Focus, 4, P, false},
      {13, "losing the focus makes a selected button normal", {S::Initialize, S::Focus}, S::Blur, 1, N, false},
      {14, "losing the focus makes a hovered focused button normal", {S::Initialize, S::Focus, S::Move}, S::Blur, 1, N, false},
      // buttons
      {15, "a left press on a hovered button takes the focus and shows Pressed", {S::Initialize, S::Move}, S::LeftDown, 4, P, false, true},
      {16, "a left press on a focused hovered button shows Pressed", {S::Initialize, S::Focus, S::Move}, S::LeftDown, 4, P, false, true},
      {17, "a right press does nothing", {S::Initialize, S::Move}, S::RightDown, 2, std::nullopt, false},
      {18, "the left release of an ordinary click shows HighLightSelect and clicks", {S::Initialize, S::Move, S::LeftDown}, S::LeftUp, 4, HLS, true},
      {19, "a left release over a hovered unfocused button shows Normal and clicks", {S::Initialize, S::Move}, S::LeftUp, 2, N, true},
      {20, "the release after pressing and dragging out does not click", {S::Initialize, S::Move, S::LeftDown, S::TickOutside, S::MoveHeld}, S::LeftUp, 3, std::nullopt, false},
      {21, "a right release over a hovered button clicks", {S::Initialize, S::Move}, S::RightUp, 2, std::nullopt, true},
      {22, "a right release over a focused hovered button clicks", {S::Initialize, S::Focus, S::Move, S::RightDown}, S::RightUp, 4, std::nullopt, true},
      {23, "a middle release on a selected button does not click", {S::Initialize, S::Focus}, S::MiddleUp, 3, std::nullopt, false},
      {24, "a right release on a normal button clicks", {S::Initialize}, S::RightUp, 1, std::nullopt, true},
      // keys
      {25, "Space on a focused button does nothing", {S::Initialize, S::Focus}, S::KeySpace, 3, std::nullopt, false},
      {26, "Enter on a focused button does nothing", {S::Initialize, S::Focus}, S::KeyEnter, 3, std::nullopt, false},
      // before Initialize
      {27, "before Initialize gaining the focus selects", {}, S::Focus, 3, SEL, false},
      {28, "before Initialize moving changes nothing", {}, S::Move, 0, std::nullopt, false},
      {29, "before Initialize a release clicks", {}, S::LeftUp, 0, std::nullopt, true},
      {30, "before Initialize a tick changes nothing", {}, S::TickOutside, 0, std::nullopt, false},
      {31, "before Initialize losing the focus makes the state 1", {S::Focus}, S::Blur, 1, N, false},
      // disabled
      {32, "a disabled button does not highlight", {S::Initialize, S::Disable}, S::Move, 1, std::nullopt, false},
      {33, "a disabled button does not show Pressed", {S::Initialize, S::Disable, S::Move}, S::LeftDown, 1, std::nullopt, false},
      {34, "a disabled button does not click", {S::Initialize, S::Disable, S::Move, S::LeftDown}, S::LeftUp, 1, std::nullopt, false},
      {35, "a disabled button takes the focus without a change", {S::Initialize, S::Disable}, S::Focus, 1, std::nullopt, false},
      {36, "a disabled focused button loses the focus without a change", {S::Initialize, S::Disable, S::Focus}, S::Blur, 1, std::nullopt, false},
      {37, "a disabled button ignores the pointer tracking", {S::Initialize, S::Move, S::Disable}, S::TickOutside, 2, std::nullopt, false},
      // disabled while hovered, then enabled again
      {38, "a button disabled while hovered shows Disable and keeps its state", {S::Initialize, S::Move}, S::Disable, 2, Skin::Disable, false},
      {39, "enabled again it shows Normal in state 2", {S::Initialize, S::Move, S::Disable}, S::Enable, 2, N, false},
      {40, "then moving over it changes nothing", {S::Initialize, S::Move, S::Disable, S::Enable}, S::Move, 2, std::nullopt, false},
      {41, "until the pointer has left", {S::Initialize, S::Move, S::Disable, S::Enable}, S::TickOutside, 1, N, false},
      {42, "and come back", {S::Initialize, S::Move, S::Disable, S::Enable, S::TickOutside}, S::Move, 2, HL, false},
  };
  return rows;
}

using CommandStateTest = ButtonTest;

TEST_F(CommandStateTest, EveryRowOfTheStateTablePaintsItsSkinAndClicksAsItSays) {
  for (const Row& row : Rows()) {
    SCOPED_TRACE(testing::Message() << "row " << row.index << ": " << row.what);
    Load(PropertyBag());
    for (Step step : row.before) Apply(step);
    std::optional<Skin> before = SkinShown();
    clicks_ = 0;
    Poison();

    Apply(row.event);

    EXPECT_EQ(clicks_, row.click ? 1 : 0);
    if (row.painted) {
      EXPECT_FALSE(Poisoned()) << "expected " << SkinName(*row.painted) << " to be painted";
      std::optional<Skin> shown = SkinShown();
      EXPECT_TRUE(shown && *shown == Picture(*row.painted))
          << "expected " << SkinName(*row.painted) << ", shows "
          << (shown ? SkinName(*shown) : "no skin");
    } else {
      EXPECT_TRUE(Poisoned()) << "expected no paint";
      EXPECT_EQ(SkinShown(), before);
    }
    TearDown();
    SetUp();
  }
}

// What each step does to the fields of a button loaded from the dialog's stored values, as
// the control passes its events to the rules: a left press takes the focus first.
struct Replay {
  CommandFields fields{0, false, true, 1, false};
  bool focused = false;
  int clicks = 0;

  void Focus(bool gained) {
    if (focused == gained) return;
    focused = gained;
    gained ? FocusGained(fields) : FocusLost(fields);
  }
  void Release(int button) { clicks += ButtonReleased(fields, button).click; }
  void Apply(Step step) {
    switch (step) {
      case S::Initialize: InitializeState(fields); break;
      case S::Move: case S::MoveHeld: MouseMoved(fields); break;
      case S::LeftDown: Focus(true); ButtonPressed(fields, toolkit::kLeftButton); break;
      case S::LeftUp: Release(toolkit::kLeftButton); break;
      case S::RightDown: ButtonPressed(fields, toolkit::kRightButton); break;
      case S::RightUp: Release(toolkit::kRightButton); break;
      case S::MiddleUp: Release(toolkit::kMiddleButton); break;
      case S::Focus: Focus(true); break;
      case S::Blur: Focus(false); break;
      case S::TickOutside: case S::TickOverOther: PointerLeft(fields); break;
      case S::TickOver: case S::TickOverCaption: case S::KeySpace: case S::KeyEnter: break;
      case S::Disable: fields.EnabledValue = false; break;
      case S::Enable: fields.EnabledValue = true; break;
    }
  }
};

TEST(CommandStateRules, EveryRowOfTheStateTableEndsInItsStateAndClicksAsItSays) {
  for (const Row& row : Rows()) {
    SCOPED_TRACE(testing::Message() << "row " << row.index << ": " << row.what);
    Replay replay;
    for (Step step : row.before) replay.Apply(step);
    replay.clicks = 0;
    replay.Apply(row.event);
    EXPECT_EQ(replay.fields.ButtonState, row.state);
    EXPECT_EQ(replay.fields.MouseIsDown, row.mouseIsDown);
    EXPECT_EQ(replay.clicks, row.click ? 1 : 0);
  }
}

// The times of the timer ticks this thread dispatches in the next `ms`, by timer.
std::map<WPARAM, std::vector<double>> TimerTicksFor(unsigned ms) {
  std::map<WPARAM, std::vector<double>> ticks;
  const ULONGLONG end = GetTickCount64() + ms;
  MSG message;
  while (GetTickCount64() < end) {
    if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
      continue;
    }
    if (message.message == WM_TIMER) ticks[message.wParam].push_back(GetTickCount64());
    DispatchMessageW(&message);
  }
  return ticks;
}

TEST_F(CommandStateTest, TheTimerEndsTheHighlightAndAnOrdinaryClickGoesPressedHighLightSelectAndClicksOnce) {
  Command& button = Load(PropertyBag());
  // TmrMouse: off until Initialize, then a tick every 100 ms. Its median interval holds on a
  // busy machine (a late tick makes the next one early), and a fifth more or less fails.
  EXPECT_TRUE(TimerTicksFor(300).empty()) << "a timer ticks before Initialize";
  button.Initialize();
  const auto ticks = TimerTicksFor(2500);
  ASSERT_EQ(ticks.size(), 1u) << "timers ticking";
  std::vector<double> intervals;
  for (std::size_t i = 1; i < ticks.begin()->second.size(); ++i) {
    intervals.push_back(ticks.begin()->second[i] - ticks.begin()->second[i - 1]);
  }
  ASSERT_GE(intervals.size(), 15u);
  EXPECT_NEAR(Median(intervals), 100, 10) << "TmrMouse's interval";
  Move();
  ASSERT_EQ(SkinShown(), Skin::HighLight);
  // The timer notices that the pointer has left, and not while it is over the caption.
  TickWithPointerAt(OverCaption());
  EXPECT_EQ(SkinShown(), Skin::HighLight);
  ParkPointer();
  EXPECT_TRUE(WaitUntil([&] { return SkinShown() == Skin::Normal; }, 2000));

  Move();
  EXPECT_EQ(SkinShown(), Skin::HighLight);
  Send(WM_LBUTTONDOWN, MK_LBUTTON);
  EXPECT_EQ(GetFocus(), button.hwnd());
  EXPECT_EQ(SkinShown(), Skin::Pressed);
  Send(WM_LBUTTONUP, 0);
  EXPECT_EQ(SkinShown(), Skin::HighLight) << "HighLightSelect, the same picture";
  EXPECT_EQ(clicks_, 1);

  // A click handler may close the button.
  button.Click = [this] {
    ++clicks_;
    button_.reset();
  };
  Send(WM_LBUTTONDOWN, MK_LBUTTON);
  HWND window = button.hwnd();
  SendMessageA(window, WM_LBUTTONUP, 0, 0);
  EXPECT_EQ(clicks_, 2);
  EXPECT_FALSE(IsWindow(window));
}

TEST_F(CommandStateTest, ARealMouseClickThroughTheInputQueueRaisesClick) {
  Command& button = Load(PropertyBag());
  button.Initialize();
  const POINT over = OverButton();
  ASSERT_EQ(SendMouseButtons({0, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP}, &over), 3u);
  EXPECT_TRUE(WaitUntil([&] { return clicks_ == 1; }, 3000));
  EXPECT_EQ(SkinShown(), Skin::HighLight) << "HighLightSelect, the same picture";
  EXPECT_EQ(GetFocus(), button.hwnd());
  PumpFor(50);
  EXPECT_EQ(clicks_, 1);
}

}  // namespace
