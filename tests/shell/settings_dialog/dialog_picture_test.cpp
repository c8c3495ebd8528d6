// The settings dialog as a user sees it at 96 DPI, made in this test's own process (where
// Wine paints every window of it) and compared pixel for pixel with the picture kept in the
// test data: the file kind chosen, a path shown, the file button focused.
#include <gtest/gtest.h>
#include <windows.h>

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

// The client area once every window of the dialog has painted and two looks agree.
CapturedPixels Settled(HWND form) {
  RECT client{};
  GetClientRect(form, &client);
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
  dialog.Unload();
}

}  // namespace
