// The renderer's window, pixel format and window procedure against the real user32 of Wine.
#include <cstring>

#include "tests/renderer/gl_fixture.h"
#include "renderer/renderer_main.h"

namespace {

int CursorDisplayCount() {
  int count = ShowCursor(TRUE) - 1;
  ShowCursor(FALSE);
  return count;
}

using WindowTest = RendererWindowTest;

TEST_F(WindowTest, IsOneTopLevelWindowFoundByTitleWithClassWindow) {
  HWND found = FindWindowA(nullptr, "Korvane_VC");
  ASSERT_EQ(found, g_window);
  char className[64] = {};
  GetClassNameA(found, className, sizeof className);
  EXPECT_STREQ(className, "window");
  EXPECT_EQ(FindWindowA("Korvane_VC", nullptr), nullptr) << "the title is not the class";
}

TEST_F(WindowTest, CoversTheScreenWithTheDocumentedStyles) {
  RECT rect{};
  GetWindowRect(g_window, &rect);
  EXPECT_EQ(rect.left, 0);
  EXPECT_EQ(rect.top, 0);
  EXPECT_EQ(rect.right, 1024);
  EXPECT_EQ(rect.bottom, 768);
  DWORD style = GetWindowLongA(g_window, GWL_STYLE);
  EXPECT_EQ(style & ~WS_VISIBLE & 0xFFFF0000u, 0x86000000u) << std::hex << style;
  EXPECT_TRUE(style & WS_VISIBLE);
  DWORD exStyle = GetWindowLongA(g_window, GWL_EXSTYLE);
  EXPECT_TRUE(exStyle & WS_EX_APPWINDOW) << std::hex << exStyle;
  EXPECT_EQ(GetForegroundWindow(), g_window);
  EXPECT_EQ(GetFocus(), g_window);
}

TEST_F(WindowTest, HasADoubleBufferedRgbaFormatWithDepthAndStencil) {
  int index = GetPixelFormat(g_deviceContext);
  ASSERT_GT(index, 0);
  PIXELFORMATDESCRIPTOR format;
  std::memset(&format, 0xcc, sizeof format);
  ASSERT_GT(DescribePixelFormat(g_deviceContext, index, sizeof format, &format), 0);
  EXPECT_EQ(format.dwFlags & 0x25u, 0x25u);
  EXPECT_EQ(format.iPixelType, PFD_TYPE_RGBA);
  EXPECT_GE(format.cColorBits, 24);
  EXPECT_GE(format.cDepthBits, 16);
  EXPECT_GE(format.cStencilBits, 8);
  EXPECT_EQ(wglGetCurrentContext(), g_renderContext);
  EXPECT_EQ(wglGetCurrentDC(), g_deviceContext);
}

struct ProcRow {
  int index;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  bool stops;
};

TEST_F(WindowTest, WindowProcedureStopsOnEscapeCloseAndQuitOnly) {
  const ProcRow rows[] = {
      {0, WM_KEYDOWN, VK_ESCAPE, 0, true},
      {1, WM_KEYDOWN, 0x10000 | VK_ESCAPE, 0, true},  // only the low 16 bits count
      {2, WM_CLOSE, 0, 0, true},
      {3, WM_QUIT, 0, 0, true},
      {4, WM_KEYDOWN, 'A', 0, false},
      {5, WM_KEYDOWN, VK_SPACE, 0, false},
      {6, WM_KEYDOWN, VK_RETURN, 0, false},
      {7, WM_KEYDOWN, VK_F4, 0, false},
      {8, WM_KEYUP, VK_ESCAPE, 0, false},
      {9, WM_CHAR, 27, 0, false},
      {10, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10), false},
      {11, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10), false},
      {12, WM_RBUTTONUP, 0, MAKELPARAM(10, 10), false},
      {13, WM_ACTIVATE, WA_INACTIVE, 0, false},
  };
  for (const ProcRow& row : rows) {
    running = 1;
    LRESULT result = SendMessageA(g_window, row.message, row.wParam, row.lParam);
    EXPECT_EQ(running == 0, row.stops) << "row " << row.index << ": message 0x" << std::hex
                                       << row.message;
    if (row.message == WM_KEYDOWN || row.stops) {
      EXPECT_EQ(result, 0) << "row " << row.index;
    }
    EXPECT_TRUE(IsWindow(g_window)) << "row " << row.index << ": closing never destroys";
  }
  running = 1;
}

// A class "window" registered first, whose windows refuse to be created, makes the
// renderer's window creation fail.
LRESULT CALLBACK RefuseCreation(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) return FALSE;
  return DefWindowProcA(window, message, wParam, lParam);
}

TEST(WindowCreationFailure, GivesTheScreenBackAndEndsInsteadOfSpinning) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSA refusing{};
  refusing.lpfnWndProc = RefuseCreation;
  refusing.hInstance = instance;
  refusing.lpszClassName = "window";
  ASSERT_TRUE(RegisterClassA(&refusing));
  int cursorBefore = CursorDisplayCount();
  running = 1;

  EXPECT_EQ(RunRenderer(instance), 0);

  EXPECT_EQ(CursorDisplayCount(), cursorBefore) << "the hidden cursor must be shown again";
  EXPECT_EQ(FindWindowA(nullptr, "Korvane_VC"), nullptr);
  DEVMODEA current{};
  current.dmSize = sizeof current;
  ASSERT_TRUE(EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &current));
  DEVMODEA registry{};
  registry.dmSize = sizeof registry;
  ASSERT_TRUE(EnumDisplaySettingsA(nullptr, ENUM_REGISTRY_SETTINGS, &registry));
  EXPECT_EQ(current.dmPelsWidth, registry.dmPelsWidth);
  EXPECT_EQ(current.dmPelsHeight, registry.dmPelsHeight);
  UnregisterClassA("window", instance);
}

}  // namespace
