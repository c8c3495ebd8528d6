// The real Korvane.scr /p placing its preview into a window that this test plays the part of,
// as the Display Properties dialog does, and the process's end watched. (Wine paints no child
// window that belongs to another process, so the picture itself is checked in the preview
// form's own tests, in one process.)
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tests/shell/preview/preview_test_pictures.h"
#include "harness/files.h"
#include "harness/wait.h"
#include "tests/support/plain_window.h"
#include "tests/support/wine_process.h"

namespace {

constexpr unsigned kTimeoutMs = 20000;
// A preview must end within about a second of its window; allow for a loaded machine.
constexpr unsigned kEndMs = 3000;

// A visible top-level window whose client area is the preview area.
class PreviewWindow {
 public:
  PreviewWindow(int width, int height) {
    window_ = ShowInactivePlainWindow(WS_EX_TOPMOST, L"Display Properties preview",
                                      WS_POPUP | WS_CLIPCHILDREN, 40, 40, width, height);
    PumpFor(100);
  }
  ~PreviewWindow() { Destroy(); }
  PreviewWindow(const PreviewWindow&) = delete;
  PreviewWindow& operator=(const PreviewWindow&) = delete;
  HWND hwnd() const { return window_; }
  void Destroy() {
    if (window_) DestroyWindow(window_);
    window_ = nullptr;
  }
  std::wstring Handle() const { return std::to_wstring(reinterpret_cast<ULONG_PTR>(window_)); }

 private:
  HWND window_ = nullptr;
};

ChildProcess StartScr(const std::wstring& scr, const std::wstring& arguments) {
  return ChildProcess::Start(scr, L"\"" + scr + L"\" " + arguments);
}

bool AllWhite(const RgbImage& image) {
  for (std::uint8_t v : image.rgb)
    if (v != 255) return false;
  return true;
}

HWND PreviewChild(HWND parent) { return FindWindowExW(parent, nullptr, nullptr, L"Preview Window"); }

class Preview : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(CopyInto(BinFile(L"Korvane.scr"), folder_.File(L"Korvane.scr")));
    ASSERT_TRUE(CopyInto(BinFile(L"Korvane.dll"), folder_.File(L"Korvane.dll")));
  }
  std::wstring Scr() const { return folder_.File(L"Korvane.scr"); }
  TempFolder folder_{L"korvane preview"};
};

// The preview child inside `area`, once it is shown and covers the area.
HWND ShownPreview(HWND area, int width, int height) {
  HWND child = nullptr;
  WaitUntil([&] {
    child = PreviewChild(area);
    RECT rect{};
    return child && IsWindowVisible(child) && GetClientRect(child, &rect) && rect.right == width &&
           rect.bottom == height;
  }, kTimeoutMs);
  return child;
}

TEST_F(Preview, BecomesAChildCoveringThePreviewWindowAndEndsWithIt) {
  for (SIZE size : {SIZE{152, 112}, SIZE{200, 150}, SIZE{100, 74}}) {
    SCOPED_TRACE(std::to_string(size.cx) + "x" + std::to_string(size.cy));
    PreviewWindow area(size.cx, size.cy);
    ChildProcess scr = StartScr(Scr(), L"/p " + area.Handle());
    HWND child = ShownPreview(area.hwnd(), size.cx, size.cy);
    ASSERT_NE(child, nullptr) << "no preview child covering the window appeared";
    EXPECT_TRUE(GetWindowLongW(child, GWL_STYLE) & WS_CHILD);
    EXPECT_FALSE(GetWindowLongW(child, GWL_STYLE) & WS_POPUP);
    EXPECT_EQ(GetAncestor(child, GA_PARENT), area.hwnd());
    RECT childRect, areaRect;
    GetWindowRect(child, &childRect);
    GetWindowRect(area.hwnd(), &areaRect);
    EXPECT_EQ(childRect.left, areaRect.left);
    EXPECT_EQ(childRect.top, areaRect.top);
    EXPECT_TRUE(scr.Running());

    area.Destroy();  // Windows destroys the preview window together with its child
    EXPECT_TRUE(scr.WaitExit(kEndMs)) << "the preview outlived its window";
    EXPECT_EQ(scr.ExitCode(), 0u);
  }
}

TEST_F(Preview, EndsPromptlyAndSilentlyForAHandleItCannotDrawInto) {
  PreviewWindow gone(152, 112);
  const std::wstring destroyed = gone.Handle();
  gone.Destroy();
  const std::wstring desktop = std::to_wstring(reinterpret_cast<ULONG_PTR>(GetDesktopWindow()));
  for (const std::wstring& arguments : {std::wstring(L"/p 0"), std::wstring(L"/p"),
                                        std::wstring(L"/p 12345"), L"/p " + destroyed, L"/p " + desktop}) {
    ChildProcess scr = StartScr(Scr(), arguments);
    EXPECT_TRUE(scr.WaitExit(5000)) << Utf8(arguments) << " left a process that never ends";
    EXPECT_EQ(scr.ExitCode(), 0u) << Utf8(arguments);
    EXPECT_EQ(FindWindowW(nullptr, L"Preview Window"), nullptr) << Utf8(arguments) << " left a window";
    if (scr.Running()) scr.Kill();
  }
}

TEST_F(Preview, ShowsWithTheRendererAndTheSettingsFileBothMissing) {
  ASSERT_TRUE(DeleteFileW(folder_.File(L"Korvane.dll").c_str()));
  PreviewWindow area(152, 112);
  ChildProcess scr = StartScr(Scr(), L"/p " + area.Handle());
  EXPECT_NE(ShownPreview(area.hwnd(), 152, 112), nullptr);
  EXPECT_EQ(FolderEntries(folder_.path()), std::vector<std::wstring>{L"Korvane.scr"});
  area.Destroy();
  EXPECT_TRUE(scr.WaitExit(kEndMs));
}

TEST_F(Preview, ARunningSaverHostOrDialogEndsAPreviewAtOnceAndLeavesTheWindowEmpty) {
  for (const wchar_t* title : {L"Korvane_Main", L"<Korvane>"}) {
    HWND running = CreateWindowExW(0, L"STATIC", title, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
    PreviewWindow area(152, 112);
    ChildProcess scr = StartScr(Scr(), L"/p " + area.Handle());
    EXPECT_TRUE(scr.WaitExit(5000)) << Utf8(title);
    EXPECT_EQ(PreviewChild(area.hwnd()), nullptr) << Utf8(title);
    EXPECT_TRUE(AllWhite(ReadScreen(area.hwnd()))) << Utf8(title) << ": the window was drawn into";
    DestroyWindow(running);
  }
}

TEST_F(Preview, AKilledPreviewLeavesNothingBehind) {
  PreviewWindow area(152, 112);
  ChildProcess scr = StartScr(Scr(), L"/p " + area.Handle());
  ASSERT_TRUE(WaitUntil([&] { return PreviewChild(area.hwnd()) != nullptr; }, kTimeoutMs));
  scr.Kill();
  EXPECT_TRUE(WaitUntil([&] { return PreviewChild(area.hwnd()) == nullptr; }, 5000))
      << "the child window outlived its process";
  EXPECT_TRUE(IsWindow(area.hwnd()));
}

}  // namespace
