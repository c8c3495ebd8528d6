// Forms: loaded hidden, shown, shown modally, and unloaded by the program, by a close request
// or by their window's destruction, with the events in order.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "harness/wait.h"
#include "tests/support/captured_pixels.h"
#include "tests/support/ticking_timer.h"
#include "toolkit/form.h"
#include "toolkit/timer.h"

namespace {

using toolkit::Form;
using toolkit::FormDesign;
using toolkit::UnloadReason;

const char* Name(UnloadReason reason) {
  static const char* const names[] = {"code", "user", "gone"};  // in the enumeration's order
  return names[static_cast<int>(reason)];
}

class RecordingForm : public Form {
 public:
  explicit RecordingForm(FormDesign design) : Form(std::move(design)) {}
  explicit RecordingForm(const wchar_t* caption = L"toolkit test form") : Form(FormDesign{.caption = caption}) {}

  // Shared, so that it outlives the form in the destruction test.
  std::shared_ptr<std::vector<std::string>> log = std::make_shared<std::vector<std::string>>();
  std::vector<std::string>& events = *log;
  bool refuseQuery = false;
  bool refuseUnload = false;
  std::function<void()> onLoad;
  std::function<void()> onDestroy;

 protected:
  void OnLoad() override {
    events.push_back(IsWindow(hwnd()) ? "load" : "load without window");
    if (onLoad) onLoad();
  }
  bool OnQueryUnload(UnloadReason reason) override {
    events.push_back(std::string("query:") + Name(reason));
    return !refuseQuery;
  }
  bool OnUnload(UnloadReason reason) override {
    events.push_back(std::string("unload:") + Name(reason));
    return !refuseUnload;
  }
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_DESTROY && onDestroy) onDestroy();
    return Form::HandleMessage(message, wParam, lParam);
  }
};

using Events = std::vector<std::string>;

// A wait that cannot hang the test program: after `ms` it posts WM_QUIT and says so.
class Watchdog {
 public:
  explicit Watchdog(UINT ms)
      : timer_(ms, [this] {
          fired_ = true;
          timer_.SetEnabled(false);
          PostQuitMessage(0);
        }) {}
  ~Watchdog() {
    MSG quit;
    while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
  }
  bool fired() const { return fired_; }

 private:
  TickingTimer timer_;
  bool fired_ = false;
};

class FormTest : public ::testing::Test {
 protected:
  void SetUp() override { loadedBefore_ = Form::LoadedCount(); }
  void TearDown() override { EXPECT_EQ(Form::LoadedCount(), loadedBefore_) << "a form stayed loaded"; }
  int loadedBefore_ = 0;
};

TEST_F(FormTest, LoadMakesAHiddenWindowAndUnloadAsksFirstThenDestroysIt) {
  RecordingForm form(L"toolkit hidden form");
  ASSERT_TRUE(form.Load());
  EXPECT_EQ(Form::LoadedCount(), loadedBefore_ + 1);
  const HWND window = form.hwnd();
  ASSERT_NE(window, nullptr);
  EXPECT_FALSE(IsWindowVisible(window));
  // The single-instance test relies on this: a hidden window is found by its title alone.
  EXPECT_EQ(FindWindowA(nullptr, "toolkit hidden form"), window);
  EXPECT_TRUE(form.Load());
  EXPECT_EQ(form.events, Events({"load"})) << "a second Load must not raise the event again";

  // A refusal in either event keeps the form loaded.
  form.refuseQuery = true;
  EXPECT_FALSE(form.Unload());
  EXPECT_EQ(form.events, Events({"load", "query:code"})) << "a refused query skips OnUnload";
  EXPECT_EQ(form.hwnd(), window);
  form.refuseQuery = false;
  form.refuseUnload = true;
  EXPECT_FALSE(form.Unload());
  EXPECT_TRUE(IsWindow(window));
  EXPECT_EQ(form.hwnd(), window);

  form.refuseUnload = false;
  EXPECT_TRUE(form.Unload());
  const Events unloaded{"load", "query:code", "query:code", "unload:code", "query:code", "unload:code"};
  EXPECT_EQ(form.events, unloaded);
  EXPECT_EQ(form.hwnd(), nullptr);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_TRUE(form.Unload()) << "unloading an unloaded form is no error";
  EXPECT_EQ(form.events, unloaded);
}

TEST_F(FormTest, ACloseRequestFromOutsideUnloadsAsTheUsersClose) {
  RecordingForm form;
  ASSERT_TRUE(form.Load());
  HWND window = form.hwnd();
  form.refuseQuery = true;
  SendMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(window)) << "WM_CLOSE must go through QueryUnload, which refused";
  form.refuseQuery = false;
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return !form.hwnd(); }, 5000));
  EXPECT_EQ(form.events, Events({"load", "query:user", "query:user", "unload:user"}));
  EXPECT_FALSE(IsWindow(window));
}

// The child is the preview's case: a form put into a window that its owner later destroys.
TEST_F(FormTest, AWindowDestroyedFromOutsideUnloadsItsFormAndItsChildFormWithoutASay) {
  RecordingForm parent(L"toolkit parent");
  RecordingForm child(L"toolkit child");
  ASSERT_TRUE(parent.Load());
  ASSERT_TRUE(child.Load());
  parent.refuseQuery = child.refuseQuery = true;
  SetWindowLongW(child.hwnd(), GWL_STYLE, GetWindowLongW(child.hwnd(), GWL_STYLE) | WS_CHILD);
  SetParent(child.hwnd(), parent.hwnd());
  EXPECT_EQ(Form::FromWindow(child.hwnd()), &child);
  DestroyWindow(parent.hwnd());
  for (RecordingForm* form : {&parent, &child}) {
    EXPECT_EQ(form->hwnd(), nullptr);
    EXPECT_EQ(form->events, Events({"load", "query:gone", "unload:gone"}));
  }
}

TEST_F(FormTest, DestroyingALoadedFormObjectRaisesNoEvent) {
  auto form = std::make_unique<RecordingForm>();
  ASSERT_TRUE(form->Load());
  HWND window = form->hwnd();
  auto log = form->log;
  form.reset();
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(*log, Events({"load"})) << "a form object going away must not raise its events";
}

TEST_F(FormTest, OnLoadRunsWithTheWindowMadeAndMayUnloadAgain) {
  RecordingForm form;
  form.onLoad = [&] { form.Unload(); };
  EXPECT_FALSE(form.Load());
  EXPECT_EQ(form.events, Events({"load", "query:code", "unload:code"}));
}

TEST_F(FormTest, TheDesignGivesTheClientSizeInTwipsAndTheBackground) {
  RecordingForm form(FormDesign{.caption = L"toolkit sized form",
                                .style = WS_POPUP | WS_CAPTION | WS_SYSMENU,
                                .clientWidth = 3000,  // 200 x 100 pixels at 96 DPI
                                .clientHeight = 1500,
                                .background = RGB(10, 200, 30)});
  ASSERT_TRUE(form.Load());
  RECT client{};
  GetClientRect(form.hwnd(), &client);
  EXPECT_EQ(client.right, 200);
  EXPECT_EQ(client.bottom, 100);
  const CapturedPixels shown = CapturedPixels::FromDrawing(200, 100, [&](HDC dc) {
    SendMessageW(form.hwnd(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
  });
  EXPECT_EQ(shown.At(150, 80), RGB(10, 200, 30)) << std::hex << shown.At(150, 80);
  form.Unload();
}

// Counts the live copies of a timer handler's captures.
struct Capture {
  static inline int live = 0;
  static inline int liveAfterDestroy = -1;
  Capture() { ++live; }
  Capture(const Capture&) { ++live; }
  ~Capture() { --live; }
};

// A form whose timer is one of its members.
class TimedForm : public RecordingForm {
 public:
  TickingTimer timer{10, nullptr};
};

TEST_F(FormTest, ATickMayDestroyTheFormThatHoldsItsTimer) {
  auto form = std::make_unique<TimedForm>();
  ASSERT_TRUE(form->Load());
  form->timer.Tick = [capture = Capture(), &form] {
    form.reset();
    // The handler runs on (touching nothing it captured): its captures must still be there.
    Capture::liveAfterDestroy = Capture::live;
  };
  EXPECT_TRUE(WaitUntil([&] { return !form; }, 5000)) << "the timer never ticked";
  EXPECT_GE(Capture::liveAfterDestroy, 1) << "the handler was destroyed while it ran";
  EXPECT_EQ(Capture::live, 0);
}

TEST_F(FormTest, ShowPaintsTheFormAndItsChildWindowsAndShowModalDisablesTheOthersUntilItUnloads) {
  RecordingForm other(L"toolkit other form");
  HWND child = nullptr;
  other.onLoad = [&] {
    child = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 10, 10, 50, 20, other.hwnd(),
                            nullptr, nullptr, nullptr);
  };
  other.Show();
  EXPECT_TRUE(IsWindowVisible(other.hwnd()));
  // Without a message pumped: nothing of the form waits for the message loop to be painted.
  EXPECT_FALSE(GetUpdateRect(other.hwnd(), nullptr, FALSE)) << "the form is left unpainted";
  ASSERT_NE(child, nullptr);
  EXPECT_FALSE(GetUpdateRect(child, nullptr, FALSE)) << "the child window is left unpainted";

  RecordingForm dialog(L"toolkit modal form");
  bool otherEnabledDuring = true;
  bool otherEnabledAsTheDialogWent = false;
  // Enabled again before the dialog's window goes, or activation would pass it by.
  dialog.onDestroy = [&] { otherEnabledAsTheDialogWent = IsWindowEnabled(other.hwnd()) != FALSE; };
  TickingTimer closer(30, [&] {
    otherEnabledDuring = IsWindowEnabled(other.hwnd()) != FALSE;
    dialog.Unload();
  });
  Watchdog watchdog(10000);
  dialog.ShowModal();
  EXPECT_FALSE(watchdog.fired()) << "ShowModal did not return when its form unloaded";
  EXPECT_FALSE(dialog.hwnd());
  EXPECT_FALSE(otherEnabledDuring);
  EXPECT_TRUE(otherEnabledAsTheDialogWent);
  EXPECT_TRUE(IsWindowEnabled(other.hwnd())) << "the other form stayed disabled";
  other.Unload();
}

TEST_F(FormTest, TheMessageLoopEndsWhenTheLastFormUnloads) {
  RecordingForm first(L"toolkit first");
  RecordingForm second(L"toolkit second");
  ASSERT_TRUE(first.Load());
  ASSERT_TRUE(second.Load());
  bool firstGoneBeforeSecond = false;
  TickingTimer unloadFirst(20, [&] {
    unloadFirst.SetEnabled(false);
    first.Unload();
  });
  TickingTimer unloadSecond(120, [&] {
    unloadSecond.SetEnabled(false);
    firstGoneBeforeSecond = !first.hwnd();
    second.Unload();
  });
  Watchdog watchdog(10000);
  toolkit::RunMessageLoop();
  EXPECT_FALSE(watchdog.fired());
  EXPECT_TRUE(firstGoneBeforeSecond) << "the loop ended while a form was still loaded";
  EXPECT_FALSE(second.hwnd());
  toolkit::RunMessageLoop();
  EXPECT_FALSE(watchdog.fired()) << "without a form the loop must return at once";
}

TEST_F(FormTest, TheMessageLoopNoticesAnUnloadSentFromAnotherThread) {
  // A message sent across threads runs inside GetMessage, which would otherwise wait on.
  RecordingForm form;
  ASSERT_TRUE(form.Load());
  HWND window = form.hwnd();
  std::thread closer([window] { SendMessageW(window, WM_CLOSE, 0, 0); });
  Watchdog watchdog(5000);
  toolkit::RunMessageLoop();
  closer.join();
  EXPECT_FALSE(watchdog.fired()) << "the loop slept through the last unload";
  EXPECT_FALSE(form.hwnd());
}

}  // namespace
