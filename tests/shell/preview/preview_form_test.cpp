// The preview form placed into a preview window of this test's own process, where Wine
// paints it: the picture pixel for pixel at 152 x 112, scaled to other sizes, and the form's
// end when its window goes with the preview window.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "harness/wait.h"
#include "shell/preview/child_window.h"
#include "shell/preview/preview_form.h"
#include "shell/resources/preview_resources.h"
#include "tests/shell/preview/preview_test_pictures.h"
#include "tests/support/captured_pixels.h"
#include "tests/support/plain_window.h"
#include "tests/support/reference_picture.h"
#include "harness/replaced_calls.h"
#include "tests/support/unmanaged_windows.h"

namespace {

using ReplacedChildWindowCalls = ReplacedCalls<ChildWindowCalls, &ReplaceChildWindowCalls>;

const auto* const kUnmanaged =
    ::testing::AddGlobalTestEnvironment(new UnmanagedWindows(L"shell_preview_form_test.exe"));

HWND MakeArea(int width, int height) {
  return ShowInactivePlainWindow(WS_EX_TOPMOST, L"preview area", WS_POPUP | WS_CLIPCHILDREN, 30, 30,
                                 width, height);
}

// The bytes of `expected`'s top-left pixels that `shown` shows otherwise.
int Differing(const RgbImage& shown, const RgbImage& expected) {
  int wrong = 0;
  for (int y = 0; y < expected.height; ++y)
    for (int x = 0; x < expected.width; ++x)
      for (int c = 0; c < 3; ++c) wrong += shown.at(x, y)[c] != expected.at(x, y)[c];
  return wrong;
}

TEST(PreviewForm, ShowsTheLatticePicturePixelForPixelOverItsOwnBackground) {
  HWND area = MakeArea(152, 112);
  PreviewForm form;
  ASSERT_TRUE(form.PlaceInto(area));
  const RgbImage expected = Committed("preview_lattice.bmp");
  RgbImage shown;
  WaitUntil([&] { shown = ReadScreen(area); return shown.rgb == expected.rgb; }, 5000);
  ASSERT_EQ(shown.rgb.size(), expected.rgb.size());
  EXPECT_EQ(Differing(shown, expected), 0) << "bytes that differ from the lattice picture";
  DestroyWindow(area);
  EXPECT_TRUE(WaitUntil([&] { return !form.hwnd(); }, 2000)) << "the form outlived its window";
}

// At 200 x 150, as a larger preview area shows it, the stretched picture is also kept whole.
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
      return !GetUpdateRect(form.hwnd(), nullptr, FALSE) && !(corner[0] == 255 && corner[1] == 255 && corner[2] == 255);
    }, 5000);
    const std::vector<double> got = CellMeans(shown, 4);
    for (size_t i = 0; i < want.size(); ++i) EXPECT_NEAR(got[i], want[i], 12.0) << "cell " << i;
    if (size.cx == 200) {
      RECT client{0, 0, size.cx, size.cy};
      MapWindowPoints(area, nullptr, reinterpret_cast<POINT*>(&client), 2);
      ExpectSamePicture(CapturedPixels::FromScreen(client), KORVANE_PICTURES, "preview_200x150");
    }
    DestroyWindow(area);
  }
}

// Screen Saver Settings may host the preview in a DPI-unaware or a per-monitor aware window
// while the shell is system aware. Run at 144 DPI too (shell_preview_form_test_144dpi), where
// the unaware parent's 152 x 112 are 228 x 168 to the shell: Wine maps coordinates between the
// unaware and the aware contexts as Windows does. (Under Wine a monitor's DPI is the system's,
// so per-monitor and system aware coordinates are the same; the preview measures and moves
// nothing outside its parent's awareness, so it does not depend on them differing.)
TEST(PreviewForm, FillsAParentOfAnyDpiAwarenessWithThePicture) {
  const DPI_AWARENESS_CONTEXT own = SetThreadDpiAwarenessContext(DPI_AWARENESS_CONTEXT_SYSTEM_AWARE);
  const CapturedPixels lattice = CapturedPixels::FromResource(MAKEINTRESOURCEA(IDB_PREVIEW_LATTICE), 152, 112);
  for (DPI_AWARENESS_CONTEXT parentAwareness :
       {DPI_AWARENESS_CONTEXT_UNAWARE, DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2}) {
    SCOPED_TRACE(parentAwareness == DPI_AWARENESS_CONTEXT_UNAWARE ? "DPI-unaware" : "per-monitor aware");
    SetThreadDpiAwarenessContext(parentAwareness);
    HWND area = MakeArea(152, 112);
    SetThreadDpiAwarenessContext(DPI_AWARENESS_CONTEXT_SYSTEM_AWARE);
    PreviewForm form;
    ASSERT_TRUE(form.PlaceInto(area));
    // Measured, and painted, as the parent and the preview themselves measure.
    SetThreadDpiAwarenessContext(parentAwareness);
    RECT place{};
    GetWindowRect(form.hwnd(), &place);
    MapWindowPoints(nullptr, area, reinterpret_cast<POINT*>(&place), 2);
    const CapturedPixels shown = CapturedPixels::FromPrintClient(form.hwnd());
    SetThreadDpiAwarenessContext(DPI_AWARENESS_CONTEXT_SYSTEM_AWARE);
    EXPECT_TRUE(place.left == 0 && place.top == 0 && place.right == 152 && place.bottom == 112)
        << place.left << "," << place.top << " to " << place.right << "," << place.bottom;
    EXPECT_TRUE(shown == lattice) << "not the picture filling " << shown.width() << " x " << shown.height();
    DestroyWindow(area);
  }
  SetThreadDpiAwarenessContext(own);
}

HWND WINAPI RefusingSetParent(HWND, HWND) {
  SetLastError(ERROR_ACCESS_DENIED);
  return nullptr;
}

// Answers as if the window had moved, and leaves it where it was: "Unexpected behavior or
// errors may occur if hWndNewParent and hWndChild are running in different DPI awareness
// modes" (SetParent on learn.microsoft.com); Wine moves it every time.
HWND WINAPI AnsweringSetParent(HWND, HWND) { return GetDesktopWindow(); }

TEST(PreviewForm, ShowsNothingInAParentItCannotBecomeAChildOf) {
  HWND area = MakeArea(152, 112);
  const struct {
    const char* name;
    HWND(WINAPI* setParent)(HWND, HWND);
    HWND parent;
  } cases[] = {
      {"SetParent refused", &RefusingSetParent, area},
      {"SetParent answered, the window not moved", &AnsweringSetParent, area},
      {"the desktop window as parent", &SetParent, GetDesktopWindow()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const ReplacedChildWindowCalls replaced({.setParent = c.setParent});
    PreviewForm form;
    EXPECT_FALSE(form.PlaceInto(c.parent));
    EXPECT_FALSE(IsWindowVisible(form.hwnd()));
    EXPECT_EQ(GetAncestor(form.hwnd(), GA_PARENT), GetDesktopWindow());
    EXPECT_FALSE(GetWindowLongW(form.hwnd(), GWL_STYLE) & WS_CHILD) << "left a child without a parent";
  }
  DestroyWindow(area);
}

// The preview window that Display Properties hands over dies once the form is its child and
// before the form is shown: the real SetParent, then the parent destroyed at the form's next
// message (MoveWindow's), as happens when the user closes the dialog at that moment.
HWND dyingParent = nullptr;
HWND formWindow = nullptr;
HWND WINAPI SetParentThenDie(HWND child, HWND parent) {
  const HWND previous = SetParent(child, parent);
  formWindow = child;
  return previous;
}
LRESULT CALLBACK KillParentAtTheFormsNextMessage(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && formWindow && reinterpret_cast<const CWPSTRUCT*>(lParam)->hwnd == formWindow) {
    formWindow = nullptr;
    DestroyWindow(dyingParent);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(PreviewForm, NeverShowsASecondTopLevelPreviewWhenItsParentDiesBeforeItIsShown) {
  dyingParent = MakeArea(200, 150);
  HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, KillParentAtTheFormsNextMessage, nullptr, GetCurrentThreadId());
  const ReplacedChildWindowCalls replaced({.setParent = &SetParentThenDie});
  PreviewForm form;
  const bool placed = form.PlaceInto(dyingParent);
  UnhookWindowsHookEx(hook);
  EXPECT_FALSE(IsWindow(dyingParent));
  EXPECT_FALSE(placed);
  EXPECT_EQ(form.hwnd(), nullptr);
  EXPECT_EQ(FindWindowW(nullptr, L"Preview Window"), nullptr) << "a top-level preview nothing ends";
}

// What the thread's DPI awareness was set to, in order, and whether the form's window had been
// made by then. In one process Windows 10 and 11 re-parent only between windows of one DPI
// awareness unless the parent allows more ("DPI_HOSTING_BEHAVIOR_DEFAULT ... cannot create or
// re-parent child windows with a different DPI_AWARENESS_CONTEXT", DPI_HOSTING_BEHAVIOR on
// learn.microsoft.com); across processes they reset the child's process's awareness instead
// ("Forced reset (of child window's process)", SetParent). A window takes the thread's
// awareness when it is made. Wine re-parents across awarenesses and resets nothing.
std::vector<std::string> awareness;
HWND awareParent = nullptr;
DPI_AWARENESS_CONTEXT WINAPI PerMonitorParent(HWND window) {
  awareness.push_back(window == awareParent ? "parent's asked" : "another window's asked");
  return DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2;
}
DPI_AWARENESS_CONTEXT WINAPI RecordThreadAwareness(DPI_AWARENESS_CONTEXT context) {
  const bool made = toolkit::Form::LoadedCount() > 0;
  awareness.push_back(std::to_string(reinterpret_cast<INT_PTR>(context)) + (made ? " after" : " before"));
  return DPI_AWARENESS_CONTEXT_SYSTEM_AWARE;
}

TEST(PreviewForm, IsMadeWithItsParentsDpiAwarenessWhereTheSystemHasOne) {
  awareParent = MakeArea(152, 112);
  for (bool systemHasIt : {true, false}) {
    SCOPED_TRACE(systemHasIt ? "Windows 10 1607 or later" : "an older Windows");
    awareness.clear();
    {
      const ReplacedChildWindowCalls replaced(
          {.getWindowDpiAwarenessContext = systemHasIt ? &PerMonitorParent : nullptr,
           .setThreadDpiAwarenessContext = systemHasIt ? &RecordThreadAwareness : nullptr});
      PreviewForm form;
      EXPECT_TRUE(form.PlaceInto(awareParent));
    }
    // The parent's (-4, per-monitor v2) while the window is made, then the thread's own back.
    const std::vector<std::string> expected = {"parent's asked", "-4 before", "-2 after"};
    EXPECT_EQ(awareness, systemHasIt ? expected : std::vector<std::string>());
  }
  DestroyWindow(awareParent);
}

}  // namespace
