// The settings dialog as a user sees it at 96 DPI, made in this test's own process (where
// Wine paints every window of it) and compared pixel for pixel with the picture kept in the
// test data: the file kind chosen, a path shown, the file button focused.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "shell/settings/music_settings.h"
#include "shell/settings_dialog/korvane_p.h"
#include "tests/support/captured_pixels.h"
#include "tests/support/reference_picture.h"
#include "harness/wait.h"

namespace {

BOOL CALLBACK NoteUnpainted(HWND window, LPARAM unpainted) {
  if (IsWindowVisible(window) && GetUpdateRect(window, nullptr, FALSE)) *reinterpret_cast<bool*>(unpainted) = true;
  return TRUE;
}

// The client area (or a part of it) once every window of the dialog has painted and two
// looks agree.
CapturedPixels Settled(HWND form, RECT area = {}) {
  RECT client = area;
  if (IsRectEmpty(&client)) GetClientRect(form, &client);
  MapWindowPoints(form, nullptr, reinterpret_cast<POINT*>(&client), 2);
  CapturedPixels shown, before;
  WaitUntil([&] {
    bool unpainted = GetUpdateRect(form, nullptr, FALSE) != FALSE;
    EnumChildWindows(form, NoteUnpainted, reinterpret_cast<LPARAM>(&unpainted));
    if (unpainted) return false;
    before = shown;
    shown = CapturedPixels::FromScreen(client);
    if (before.width() != shown.width()) return false;
    for (int y = 0; y < shown.height(); ++y)
      for (int x = 0; x < shown.width(); ++x)
        if (shown.At(x, y) != before.At(x, y)) return false;
    return true;
  }, 10000);
  return shown;
}

TEST(SettingsDialogPicture, TheWholeDialogAt96DpiIsAsKept) {
  ASSERT_EQ(GetDeviceCaps(GetDC(nullptr), LOGPIXELSY), 96) << "the kept picture is the 96 DPI dialog";
  BGM_Kind = 2;
  BGM_Track = 0;
  BGM_File = "C:\\Music\\Korvane\\song.mp3";
  SetCursorPos(0, 0);  // nothing hovered
  Korvane_P dialog;
  dialog.Show();
  ASSERT_NE(dialog.hwnd(), nullptr);
  // The focus opens on the chosen choice, which shows nothing of it until the keyboard is
  // used; the kept picture has it on the file button, which shows it in its face.
  HWND panel = FindWindowExW(dialog.hwnd(), nullptr, L"ToolkitPictureBox", nullptr);
  SetFocus(FindWindowExW(panel, nullptr, L"Korvane.Command", nullptr));
  ExpectSamePicture(Settled(dialog.hwnd()), KORVANE_PICTURES, "settings_dialog_96dpi");

  // Once the keyboard has been used, the focused choice's caption and the focused link show a
  // dotted rectangle: they have no face of their own to show the focus in.
  SendMessageW(dialog.hwnd(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
  HWND lastChoice = nullptr;
  for (HWND w = GetWindow(panel, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
    wchar_t name[32] = {};
    GetClassNameW(w, name, 32);
    if (std::wstring(name) == L"ToolkitLabelOverlay") lastChoice = w;  // MP3、WAV, the chosen one
  }
  const struct {
    HWND focus;
    RECT area;  // on the form
    const char* picture;
  } cues[] = {{lastChoice, {40, 70, 130, 131}, "settings_dialog_focus_choice"},
              {FindWindowExW(dialog.hwnd(), nullptr, L"ToolkitLabelOverlay", nullptr), {8, 204, 232, 226},
               "settings_dialog_focus_link"}};
  for (const auto& cue : cues) {
    SetFocus(cue.focus);
    ExpectSamePicture(Settled(dialog.hwnd(), cue.area), KORVANE_PICTURES, cue.picture);
  }
  dialog.Unload();
}

}  // namespace
