// The settings dialog at 96, 120, 144 and 192 dots per inch: the 96-DPI dialog, only larger.
// Runs in a Wine prefix of its own (tests/shell/run_at_dpi.sh), whose resolution it sets in the
// registry before each start of Korvane.scr /c and puts back to 96 at the end.
#include <gtest/gtest.h>
#include <windows.h>

#include <cmath>
#include <set>
#include <string>

#include "tests/shell/settings_dialog/dialog_driver.h"
#include "shell/button/skin.h"
#include "shell/settings_dialog/dialog_resources.h"
#include "tests/support/captured_pixels.h"
#include "tests/support/unmanaged_windows.h"
#include "harness/wait.h"
#include "toolkit/twips_box.h"

namespace {

const auto* const kUnmanaged = ::testing::AddGlobalTestEnvironment(new UnmanagedWindows(L"Korvane.scr"));

// Screen coordinates as they are: the dialog's windows are measured in real pixels. (The
// process's awareness is fixed by the time a test runs; this thread's is not.)
const bool kAware = [] {
  using SetContext = HANDLE(WINAPI*)(HANDLE);
  auto set = reinterpret_cast<SetContext>(
      GetProcAddress(LoadLibraryW(L"user32.dll"), "SetThreadDpiAwarenessContext"));
  return set && set(reinterpret_cast<HANDLE>(-3) /* DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE */);
}();

void SetDpi(DWORD dpi) {
  const struct {
    HKEY root;
    const wchar_t* key;
  } places[] = {{HKEY_CURRENT_USER, L"Control Panel\\Desktop"},
                {HKEY_LOCAL_MACHINE, L"System\\CurrentControlSet\\Hardware Profiles\\Current\\Software\\Fonts"}};
  for (const auto& place : places) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(place.root, place.key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(key, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof dpi);
    RegCloseKey(key);
  }
}

using toolkit::TwipsBox;

// Each edge rounded on its own, halves away from zero.
RECT Pixels(const TwipsBox& box, int dpi) {
  auto px = [dpi](double twips) { return static_cast<LONG>(std::lround(twips * dpi / 1440.0)); };
  return RECT{px(box.left), px(box.top), px(box.left + box.width), px(box.top + box.height)};
}

// The skin's outermost pixels along the middle of each edge, and its outline colour.
struct Ring {
  std::set<COLORREF> top, bottom, left, right;
  COLORREF outline;
};

Ring RingOf(Skin skin) {
  const CapturedPixels picture = CapturedPixels::FromResource(SkinResourceName(skin), 64, 25);
  Ring ring;
  for (int x = 4; x < 60; ++x) ring.top.insert(picture.At(x, 0)), ring.bottom.insert(picture.At(x, 24));
  for (int y = 4; y < 21; ++y) ring.left.insert(picture.At(0, y)), ring.right.insert(picture.At(63, y));
  ring.outline = picture.At(32, 1);
  return ring;
}

// The dark pixels of a caption drawn black on light ground: their bounding box.
RECT Ink(const CapturedPixels& pixels, const RECT& area) {
  RECT ink{area.right, area.bottom, area.left, area.top};
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      const COLORREF c = pixels.At(x, y);
      if (GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 128) {
        ink.left = std::min<LONG>(ink.left, x), ink.right = std::max<LONG>(ink.right, x + 1);
        ink.top = std::min<LONG>(ink.top, y), ink.bottom = std::max<LONG>(ink.bottom, y + 1);
      }
    }
  }
  return ink;
}

// The caption's ink drawn alone and unclipped in the dialog's font at this resolution.
SIZE InkSize(const std::wstring& caption, int dpi) {
  constexpr int kRoom = 200;
  LOGFONTW font{};
  font.lfHeight = -static_cast<LONG>(std::lround(9.75 * dpi / 72.0));
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = SHIFTJIS_CHARSET;
  lstrcpyW(font.lfFaceName, L"\uFF2D\uFF33 \uFF30\u30B4\u30B7\u30C3\u30AF");
  HFONT gdiFont = CreateFontIndirectW(&font);
  const RECT all{0, 0, kRoom, kRoom};
  const CapturedPixels pixels = CapturedPixels::FromDrawing(kRoom, kRoom, [&](HDC dc) {
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    HGDIOBJ previous = SelectObject(dc, gdiFont);
    SetBkMode(dc, TRANSPARENT);
    RECT area{10, 10, kRoom, kRoom};
    DrawTextW(dc, caption.c_str(), -1, &area, DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, previous);
  });
  DeleteObject(gdiFont);
  const RECT ink = Ink(pixels, all);
  return SIZE{ink.right - ink.left, ink.bottom - ink.top};
}

// A Command button's face: the skin ring closed on all four sides (its outermost pixels in
// the skin's colours and its outline along every pixel of every side, the rounded corners
// holding the outline too), the gradient inside, and the caption whole and centred.
void CheckButton(const char* name, HWND button, const TwipsBox& design, const std::wstring& caption, int dpi) {
  SCOPED_TRACE(name);
  RECT client{};
  GetClientRect(button, &client);
  const int w = client.right, h = client.bottom;
  EXPECT_EQ(w, std::lround(design.width * dpi / 1440.0));
  EXPECT_EQ(h, std::lround(design.height * dpi / 1440.0));
  RECT screen{};
  GetWindowRect(button, &screen);
  const Ring ring = RingOf(Skin::Normal);
  // Each button paints itself after the form: wait until its face is on the screen.
  CapturedPixels face;
  WaitUntil([&] {
    face = CapturedPixels::FromScreen(screen);
    return ring.top.count(face.At(w / 2, 0)) && ring.bottom.count(face.At(w / 2, h - 1));
  }, 5000);
  const int corner = static_cast<int>(std::lround(4.0 * dpi / 96));
  int wrong = 0;
  auto expectRingAt = [&](int x0, int y0, int dx, int dy, const std::set<COLORREF>& outer, const char* side) {
    bool outline = false;
    for (int d = 0; d < corner; ++d) outline = outline || face.At(x0 + d * dx, y0 + d * dy) == ring.outline;
    if (!outline && wrong++ < 4) ADD_FAILURE() << side << ": no outline inward from " << x0 << ", " << y0;
    if (!outer.count(face.At(x0, y0)) && wrong++ < 4) {
      ADD_FAILURE() << side << ": outermost pixel " << x0 << ", " << y0 << " is " << HexColour(face.At(x0, y0));
    }
  };
  for (int x = corner; x < w - corner; ++x) {
    expectRingAt(x, 0, 0, 1, ring.top, "top");
    expectRingAt(x, h - 1, 0, -1, ring.bottom, "bottom");
  }
  for (int y = corner; y < h - corner; ++y) {
    expectRingAt(0, y, 1, 0, ring.left, "left");
    expectRingAt(w - 1, y, -1, 0, ring.right, "right");
  }
  // The corners round the outline off: each holds some of it.
  for (const POINT at : {POINT{0, 0}, POINT{w - corner, 0}, POINT{0, h - corner}, POINT{w - corner, h - corner}}) {
    int outline = 0;
    for (int y = 0; y < corner; ++y) {
      for (int x = 0; x < corner; ++x) outline += face.At(at.x + x, at.y + y) == ring.outline;
    }
    EXPECT_GE(outline, corner - 1) << "corner at " << at.x << ", " << at.y;
  }
  // Inside the ring, every row is the gradient: light, no skin, no bare background.
  for (int y = corner; y < h - corner; ++y) {
    const COLORREF c = face.At(corner, y);
    if ((GetBValue(c) < 0xD7 || GetRValue(c) < 0xC6 || c == ring.outline) && wrong++ < 8) {
      ADD_FAILURE() << "row " << y << " inside the ring is " << HexColour(c);
    }
  }
  // The caption: every stroke inside the ring, as wide and high as drawn unclipped, centred.
  const RECT ink = Ink(face, RECT{corner, corner, w - corner, h - corner});
  ASSERT_LT(ink.left, ink.right) << "no caption";
  const SIZE expected = InkSize(caption, dpi);
  // Within a pixel: a smoothed edge pixel may read as ink on one ground and not the other.
  EXPECT_NEAR(ink.right - ink.left, expected.cx, 1) << "caption width";
  EXPECT_NEAR(ink.bottom - ink.top, expected.cy, 1) << "caption height";
  EXPECT_NEAR((ink.left + ink.right) / 2.0, w / 2.0, 2.0) << "caption centred across";
}

bool Inside(HWND window) {
  RECT rect{}, parent{};
  GetWindowRect(window, &rect);
  HWND container = GetParent(window);
  GetClientRect(container, &parent);
  MapWindowPoints(container, nullptr, reinterpret_cast<POINT*>(&parent), 2);
  return rect.left >= parent.left && rect.top >= parent.top && rect.right <= parent.right &&
         rect.bottom <= parent.bottom;
}

int Level(int y, int height) {
  return static_cast<int>(std::nearbyint(std::fabs(std::sin(y / (height / 3.142))) * 220));
}

TEST(SettingsDialogAtEveryDpi, IsThe96DpiDialogLarger) {
  ASSERT_TRUE(kAware);
  for (const int dpi : {96, 120, 144, 192}) {
    SCOPED_TRACE("at " + std::to_string(dpi) + " DPI");
    SetDpi(dpi);
    ProgramFolder folder(L"korvane dialog dpi");
    ASSERT_TRUE(folder.ready());
    // A music file chosen: all three buttons enabled.
    ASSERT_TRUE(WriteBytes(folder.File(L"song.mp3"), ""));
    char path[MAX_PATH] = {};
    WideCharToMultiByte(CP_ACP, 0, folder.File(L"song.mp3").c_str(), -1, path, MAX_PATH, nullptr, nullptr);
    ASSERT_TRUE(WriteBytes(folder.Ini(), std::string("[Section]\r\nBGM\x8B\xE6\x95\xAA= 2\r\nBGM\xCC\xA7\xB2\xD9=") +
                                             path + "\r\n"));
    SetCursorPos(0, 0);  // nothing hovered
    DialogDriver dialog(folder);
    ASSERT_EQ(dialog.problem(), "");

    RECT client{};
    GetClientRect(dialog.form(), &client);
    EXPECT_EQ(client.right, std::lround(7440.0 * dpi / 1440));
    EXPECT_EQ(client.bottom, std::lround(3645.0 * dpi / 1440));
    for (HWND control : {dialog.panel(), dialog.trackBox(), dialog.fileButton(), dialog.setButton(),
                         dialog.cancelButton()}) {
      EXPECT_TRUE(Inside(control)) << "a control is cut off by its container";
    }
    // The form's gradient fills every pixel row.
    const CapturedPixels form = dialog.FormPixels();
    int wrong = 0;
    for (int y = 0; y < client.bottom; ++y) {
      const int g = Level(y, client.bottom);
      if (form.At(client.right - 3, y) != RGB(g, g, g + 30) && wrong++ < 3) ADD_FAILURE() << "form row " << y;
    }

    CheckButton("設定", dialog.setButton(), {4860, 3000, 1155, 375}, L"\u8A2D\u5B9A", dpi);
    CheckButton("ｷｬﾝｾﾙ", dialog.cancelButton(), {6060, 3000, 1155, 375}, L"\uFF77\uFF6C\uFF9D\uFF7E\uFF99", dpi);
    CheckButton("...", dialog.fileButton(), {420, 1740, 615, 315}, L"...", dpi);

    // Each mark: the 12-pixel picture scaled with the resolution, at its box's corner.
    const int size = MulDiv(12, dpi, 96);
    const TwipsBox marks[3] = {{420, 1140, 195, 195}, {420, 840, 195, 195}, {420, 1440, 195, 195}};
    for (int kind = 0; kind < 3; ++kind) {
      const RECT box = Pixels(marks[kind], dpi);
      ASSERT_LE(size, box.right - box.left);
      const CapturedPixels shown = dialog.PanelPixels({box.left, box.top, size, size});
      const CapturedPixels expected =
          CapturedPixels::FromResource(MAKEINTRESOURCEA(kind == 2 ? IDB_MARK_ON : IDB_MARK_OFF), size, size);
      int differing = 0;
      for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) differing += shown.At(x, y) != expected.At(x, y);
      }
      EXPECT_EQ(differing, 0) << "mark " << kind;
    }
  }
  SetDpi(96);
}

}  // namespace
