// The real Korvane.scr /c under Wine, driven from outside: what it shows for settings files of
// every kind (read back from its controls and from the screen), marks and labels pressed with
// any button, a track typed, a file chosen in the real open-file dialog, then 設定 and the
// settings file's bytes, or ｷｬﾝｾﾙ, Escape and the system menu writing nothing; Tab; the
// painted gradients; the link opening a stand-in browser.
#include <gtest/gtest.h>
#include <windows.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "tests/shell/settings_dialog/dialog_driver.h"
#include "shell/button/skin.h"
#include "shell/settings_dialog/dialog_resources.h"
#include "harness/files.h"
#include "harness/test_media.h"
#include "harness/wait.h"
#include "tests/support/captured_pixels.h"
#include "tests/support/send_input.h"
#include "tests/support/unmanaged_windows.h"

namespace {

constexpr unsigned kTimeoutMs = 30000;
// "ﾌｧｲﾙを開く"
constexpr wchar_t kChooserTitle[] = L"\uFF8C\uFF67\uFF72\uFF99\u3092\u958B\u304F";
const std::string kKind = "BGM\x8B\xE6\x95\xAA";
const std::string kTrack = "BGM\xD8\xCB\xDF\xB0\xC4";
const std::string kFile = "BGM\xCC\xA7\xB2\xD9";

const auto* const kUnmanaged = ::testing::AddGlobalTestEnvironment(new UnmanagedWindows(L"Korvane.scr"));

std::string Colour(COLORREF c) {
  char text[24];
  snprintf(text, sizeof text, "(%d, %d, %d)", GetRValue(c), GetGValue(c), GetBValue(c));
  return text;
}

// The centres of the 12 x 12 mark pictures, as the program's resources hold them.
const COLORREF kChosen = CapturedPixels::FromResource(MAKEINTRESOURCEA(IDB_MARK_ON), 12, 12).At(6, 6);
const COLORREF kNotChosen = CapturedPixels::FromResource(MAKEINTRESOURCEA(IDB_MARK_OFF), 12, 12).At(6, 6);

// The level of row y of a surface `height` high: |sin(y / (height / 3.142))| × 220, halves
// to even.
int Level(int y, int height) {
  return static_cast<int>(std::nearbyint(std::fabs(std::sin(y / (height / 3.142))) * 220));
}
COLORREF FormRow(int y, int height) {
  const int g = Level(y, height);
  return RGB(g, g, g + 30);
}
COLORREF PanelRow(int y, int height) {
  const int g = Level(y, height) + 30;
  return RGB(g, g, g);
}

// Which mark the screen shows as chosen: the kind, -1 for none, -2 for a mark showing neither
// picture.
int ChosenMark(const DialogDriver& dialog) {
  const CapturedPixels panel = dialog.PanelPixels();
  int chosen = -1;
  for (int kind = 0; kind < 3; ++kind) {
    const COLORREF shown = panel.At(layout::kMark[kind].left + 6, layout::kMark[kind].top + 6);
    if (shown == kChosen) {
      chosen = chosen == -1 ? kind : -2;
    } else if (shown != kNotChosen) {
      return -2;
    }
  }
  return chosen;
}

bool ShowsMark(const DialogDriver& dialog, int kind) {
  return WaitUntil([&] { return ChosenMark(dialog) == kind; }, 5000);
}

// The skin a Command button's face shows, judged by its four corners.
bool FaceShows(HWND button, Skin skin) {
  RECT rect{};
  GetWindowRect(button, &rect);
  const CapturedPixels face = CapturedPixels::FromScreen(rect);
  const CapturedPixels picture = CapturedPixels::FromResource(SkinResourceName(skin), 64, 25);
  const int w = face.width(), h = face.height();
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 3; ++x) {
      if (face.At(x, y) != picture.At(x, y) || face.At(w - 3 + x, y) != picture.At(61 + x, y) ||
          face.At(x, h - 3 + y) != picture.At(x, 22 + y) ||
          face.At(w - 3 + x, h - 3 + y) != picture.At(61 + x, 22 + y)) {
        return false;
      }
    }
  }
  return true;
}

bool FileButtonEnabled(const DialogDriver& dialog) { return !FaceShows(dialog.fileButton(), Skin::Disable); }

// The path label as the dialog must draw it: black ＭＳ Ｐゴシック 9.75 pt text, broken at
// words (long words between characters), over the panel's gradient.
CapturedPixels ExpectedFileLabel(const std::wstring& text, int panelHeight) {
  const PixelBox& box = layout::kFileLabel;
  return CapturedPixels::FromDrawing(box.width, box.height, [&](HDC dc) {
    for (int y = 0; y < box.height; ++y) {
      HBRUSH row = CreateSolidBrush(PanelRow(box.top + y, panelHeight));
      RECT line{0, y, box.width, y + 1};
      FillRect(dc, &line, row);
      DeleteObject(row);
    }
    LOGFONTW font{};
    font.lfHeight = -13;
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = SHIFTJIS_CHARSET;
    lstrcpyW(font.lfFaceName, L"\uFF2D\uFF33 \uFF30\u30B4\u30B7\u30C3\u30AF");
    HFONT gdiFont = CreateFontIndirectW(&font);
    HGDIOBJ previousFont = SelectObject(dc, gdiFont);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    RECT area{0, 0, box.width, box.height};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area,
              DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX);
    SelectObject(dc, previousFont);
    DeleteObject(gdiFont);
  });
}

bool ShowsPath(const DialogDriver& dialog, const std::wstring& path) {
  RECT client{};
  GetClientRect(dialog.panel(), &client);
  const CapturedPixels expected = ExpectedFileLabel(path, client.bottom);
  return WaitUntil([&] { return dialog.PanelPixels(layout::kFileLabel) == expected; }, 5000);
}

// A settings file's text; numbers as the dialog hands them over, with their leading blank.
std::string Settings(const std::string& kind, const std::string& track, const std::string& file) {
  std::string text = "[Section]\r\n";
  if (!kind.empty()) text += kKind + "=" + kind + "\r\n";
  if (!track.empty()) text += kTrack + "=" + track + "\r\n";
  if (!file.empty()) text += kFile + "=" + file + "\r\n";
  return text;
}

// The three keys in their order. Whether the profile functions keep a number's leading blank
// is the platform's affair (Windows keeps it, Wine drops it): both forms are the same save.
bool SavedAs(const std::string& bytes, int kind, int track, const std::string& file) {
  auto number = [](int n, bool blank) { return (blank && n >= 0 ? " " : "") + std::to_string(n); };
  for (bool blank : {true, false}) {
    const std::string expected = "[Section]\r\n" + kKind + "=" + number(kind, blank) + "\r\n" + kTrack +
                                 "=" + number(track, blank) + "\r\n" + kFile + "=" + file + "\r\n";
    if (bytes == expected) return true;
  }
  return false;
}

// A music file in a folder of its own inside the program folder.
struct MusicFile {
  explicit MusicFile(const ProgramFolder& folder, const std::wstring& folderName = L"music")
      : folderPath(folder.File(folderName)), path(folderPath + L"\\tune.mp3") {
    CreateDirectoryW(folderPath.c_str(), nullptr);
    WriteBytes(path, "ID3");
  }
  std::wstring folderPath;
  std::wstring path;
  std::string Ansi() const { return AnsiPath(path); }
};

// The open-file dialog of the settings dialog's process, and its file-name field.
struct Chooser {
  HWND window = nullptr;
  HWND name = nullptr;
};

BOOL CALLBACK FindNameField(HWND child, LPARAM state) {
  auto* chooser = reinterpret_cast<Chooser*>(state);
  wchar_t name[16] = {};
  GetClassNameW(child, name, 16);
  if (lstrcmpiW(name, L"Edit") != 0 || !IsWindowVisible(child)) return TRUE;
  const int id = GetDlgCtrlID(child);
  const int parentId = GetDlgCtrlID(GetParent(child));
  if (id == 0x480 || parentId == 0x47C || !chooser->name) chooser->name = child;  // edt1, cmb13
  return TRUE;
}

// Opens the chooser, types `name` into its file-name field and presses Open (or Cancel when
// empty).
bool FinishChooser(const DialogDriver& dialog, const std::wstring& name) {
  Chooser chooser;
  dialog.ClickButton(dialog.fileButton());
  WaitUntil([&] { return (chooser.window = VisibleWindowOf(dialog.process().id(), kChooserTitle)) != nullptr; },
            kTimeoutMs);
  if (!chooser.window || !WaitUntil([&] {
        EnumChildWindows(chooser.window, FindNameField, reinterpret_cast<LPARAM>(&chooser));
        return chooser.name != nullptr;
      }, kTimeoutMs)) {
    return false;
  }
  if (name.empty()) {
    PostMessageW(chooser.window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  } else {
    SendMessageW(chooser.name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
    PostMessageW(chooser.window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  }
  return WaitUntil([&] { return !IsWindow(chooser.window) || !IsWindowVisible(chooser.window); }, kTimeoutMs);
}

class SettingsDialog : public ::testing::Test {
 protected:
  void TearDown() override {
    EXPECT_EQ(FindWindowW(nullptr, L"<Korvane>"), nullptr) << "a dialog was left open";
  }
};

TEST_F(SettingsDialog, ShowsTheSettingsAsLoadedForEveryKindAndTabMovesAlongTheStops) {
  struct Case {
    const char* name;
    std::string kind, track;  // settings file values; both empty: no file at all
    bool withFile;            // the file key names an existing music file
    std::string otherFile;    // else this path, if any
    int chosen;               // -1: no mark chosen
    bool trackEnabled, fileEnabled;
    std::wstring trackText;
    bool japaneseFolder = false;
    bool tabs = false;  // Tab is pressed along the controls that take the focus
  };
  const std::vector<Case> cases = {
      {"no settings file", "", "", false, "", 0, false, false, L"", false, true},
      {"CD track 3", " 1", " 3", false, "", 1, true, false, L"3", false, true},
      {"CD whole disc with a remembered file", " 1", " 0", true, "", 1, true, false, L""},
      {"file kind with its file", " 2", " 12", true, "", 2, false, true, L"12"},
      {"file kind whose file is gone", " 2", " 5", false, "C:\\gone.mp3", 0, false, false, L"5"},
      {"hand-edited kind 7, track -5", " 7", "-5", false, "", -1, false, false, L"-5"},
      {"file in a Japanese folder", " 2", " 0", true, "", 2, false, true, L"", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.japaneseFolder && GetACP() != 932) continue;
    ProgramFolder folder(L"korvane dialog loads");
    ASSERT_TRUE(folder.ready());
    MusicFile music(folder, c.japaneseFolder ? L"\u97F3\u697D \u30D5\u30A9\u30EB\u30C0" : L"music");
    const std::string file = c.withFile ? music.Ansi() : c.otherFile;
    const std::string bytes = Settings(c.kind, c.track, file);
    if (!c.kind.empty()) { ASSERT_TRUE(WriteBytes(folder.Ini(), bytes)); }

    DialogDriver dialog(folder);
    ASSERT_EQ(dialog.problem(), "");
    EXPECT_TRUE(ShowsMark(dialog, c.chosen)) << "expected mark " << c.chosen << ", shown " << ChosenMark(dialog);
    EXPECT_EQ(IsWindowEnabled(dialog.trackBox()) != FALSE, c.trackEnabled);
    EXPECT_TRUE(WaitUntil([&] { return FileButtonEnabled(dialog) == c.fileEnabled; }, 5000))
        << "the file button should look " << (c.fileEnabled ? "enabled" : "disabled");
    EXPECT_EQ(Utf8(dialog.TrackText()), Utf8(c.trackText));
    EXPECT_TRUE(ShowsPath(dialog, c.withFile ? music.path : L"")) << "the path label";
    // The list: the whole disc (empty) and the tracks 1 to 30.
    ASSERT_EQ(SendMessageW(dialog.trackBox(), CB_GETCOUNT, 0, 0), 31);
    for (int i : {0, 1, 9, 10, 30}) {
      wchar_t item[16] = {L'?'};
      SendMessageW(dialog.trackBox(), CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
      EXPECT_EQ(Utf8(item), i == 0 ? "" : std::to_string(i)) << "list entry " << i;
    }
    if (c.tabs) {
      // With the CD chosen the track box is a stop; otherwise it is disabled and skipped.
      const bool cd = c.chosen == 1;
      const HWND first = cd ? dialog.trackEdit() : dialog.fileButton();
      std::vector<HWND> order = {dialog.setButton(), dialog.cancelButton(), first};
      if (cd) order.insert(order.begin(), dialog.fileButton());
      EXPECT_TRUE(WaitUntil([&] { return dialog.Focus() == first; }, 5000)) << "the first stop has the focus";
      for (size_t i = 0; i < order.size(); ++i) {
        dialog.PressKey(VK_TAB);
        EXPECT_TRUE(WaitUntil([&] { return dialog.Focus() == order[i]; }, 5000)) << "after Tab " << i + 1;
      }
    }
    PostMessageW(dialog.form(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(dialog.WaitForEnd());
    EXPECT_EQ(ReadBytes(folder.Ini()), c.kind.empty() ? "" : bytes) << "closing must write nothing";
  }
}

TEST_F(SettingsDialog, WhatIsChosenIsSavedBySettei) {
  struct Context {
    const DialogDriver& dialog;
    const MusicFile& music;
  };
  struct Case {
    const char* name;
    std::string kind, track;  // settings file before; empty kind: none
    bool withFile;
    std::function<void(Context&)> act;
    int savedKind, savedTrack;
    std::function<std::string(const MusicFile&)> savedFile;
  };
  auto pressLabel = [](Context& x, int kind, WPARAM button) {
    x.dialog.Press(x.dialog.panel(), layout::kKindLabel[kind].Centre(), button);
    EXPECT_TRUE(ShowsMark(x.dialog, kind)) << "label " << kind;
  };
  auto pressMark = [](Context& x, int kind, WPARAM button) {
    x.dialog.Press(x.dialog.panel(), layout::kMark[kind].Centre(), button);
    EXPECT_TRUE(ShowsMark(x.dialog, kind)) << "mark " << kind;
  };
  auto none = [](const MusicFile&) { return std::string(); };
  auto loaded = [](const MusicFile& m) { return m.Ansi(); };
  auto chosen = [](const MusicFile& m) { return AnsiPath(m.folderPath + L"\\chosen.mp3"); };
  const std::vector<Case> cases = {
      {"left press on the CD label, track typed", "", "", false,
       [&](Context& x) {
         pressLabel(x, 1, MK_LBUTTON);
         EXPECT_TRUE(IsWindowEnabled(x.dialog.trackBox()));
         EXPECT_TRUE(x.dialog.TypeTrack(L"7"));
       },
       1, 7, none},
      {"right press on the file mark, no file chosen", "", "", false,
       [&](Context& x) {
         pressMark(x, 2, MK_RBUTTON);
         EXPECT_TRUE(WaitUntil([&] { return FileButtonEnabled(x.dialog); }, 5000));
         EXPECT_FALSE(IsWindowEnabled(x.dialog.trackBox()));
       },
       2, 0, none},
      {"middle press on the none label leaves the typed track", " 1", " 4", false,
       [&](Context& x) { pressLabel(x, 0, MK_MBUTTON); }, 0, 4, none},
      {"right press on the CD mark, then left on the none mark", " 2", " 3", true,
       [&](Context& x) {
         pressMark(x, 1, MK_RBUTTON);
         pressMark(x, 0, MK_LBUTTON);
         EXPECT_FALSE(IsWindowEnabled(x.dialog.trackBox()));
         EXPECT_TRUE(WaitUntil([&] { return !FileButtonEnabled(x.dialog); }, 5000));
       },
       0, 3, loaded},
      {"a file chosen by its name in the folder the chooser opens in", " 2", " 3", true,
       [&](Context& x) {
         ASSERT_TRUE(WriteBytes(x.music.folderPath + L"\\chosen.mp3", "ID3"));
         ASSERT_TRUE(FinishChooser(x.dialog, L"chosen.mp3"));
         EXPECT_TRUE(ShowsPath(x.dialog, x.music.folderPath + L"\\chosen.mp3"));
         EXPECT_TRUE(ShowsMark(x.dialog, 2)) << "the chooser does not change the kind";
       },
       2, 3, chosen},
      {"a file chosen by its full path, then the CD", "", "", false,
       [&](Context& x) {
         pressMark(x, 2, MK_LBUTTON);
         ASSERT_TRUE(WriteBytes(x.music.folderPath + L"\\chosen.mp3", "ID3"));
         ASSERT_TRUE(FinishChooser(x.dialog, x.music.folderPath + L"\\chosen.mp3"));
         EXPECT_TRUE(ShowsPath(x.dialog, x.music.folderPath + L"\\chosen.mp3"));
         pressLabel(x, 1, MK_LBUTTON);
       },
       1, 0, chosen},
      {"a cancelled chooser changes nothing", " 2", " 3", true,
       [&](Context& x) {
         ASSERT_TRUE(FinishChooser(x.dialog, L""));
         EXPECT_TRUE(ShowsPath(x.dialog, x.music.path));
       },
       2, 3, loaded},
      {"letters typed as the track save 0", " 1", " 9", false,
       [&](Context& x) { EXPECT_TRUE(x.dialog.TypeTrack(L"abc")); }, 1, 0, none},
      {"a number beyond 16 bits saves 0", " 1", " 9", false,
       [&](Context& x) { EXPECT_TRUE(x.dialog.TypeTrack(L"70000")); }, 1, 0, none},
      {"a track picked with halves to even", " 1", " 9", false,
       [&](Context& x) { EXPECT_TRUE(x.dialog.TypeTrack(L" 12.5 ")); }, 1, 12, none},
      {"a hand-edited kind is written back as it was", " 7", " 0", false, [](Context&) {}, 7, 0, none},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ProgramFolder folder(L"korvane dialog saves");
    ASSERT_TRUE(folder.ready());
    MusicFile music(folder);
    if (!c.kind.empty()) {
      ASSERT_TRUE(WriteBytes(folder.Ini(), Settings(c.kind, c.track, c.withFile ? music.Ansi() : "")));
    }
    DialogDriver dialog(folder);
    ASSERT_EQ(dialog.problem(), "");
    Context context{dialog, music};
    c.act(context);
    dialog.ClickButton(dialog.setButton());
    ASSERT_TRUE(dialog.WaitForEnd()) << "設定 must close the dialog and end the program";
    const std::string bytes = ReadBytes(folder.Ini());
    EXPECT_TRUE(SavedAs(bytes, c.savedKind, c.savedTrack, c.savedFile(music))) << Hex(bytes);
  }
}

TEST_F(SettingsDialog, WhatSetteiSavesInAJapaneseFolderTheNextDialogShowsAgain) {
  if (GetACP() == 1252) GTEST_SKIP() << "Japanese names have no form in code page 1252";
  ProgramFolder folder(L"korvane \u8A2D\u5B9A \u30D5\u30A9\u30EB\u30C0");
  ASSERT_TRUE(folder.ready());
  MusicFile music(folder, L"\u97F3\u697D \u30D5\u30A9\u30EB\u30C0");
  {
    DialogDriver dialog(folder);
    ASSERT_EQ(dialog.problem(), "");
    dialog.Press(dialog.panel(), layout::kMark[2].Centre(), MK_LBUTTON);
    ASSERT_TRUE(FinishChooser(dialog, music.path));
    dialog.ClickButton(dialog.setButton());
    ASSERT_TRUE(dialog.WaitForEnd());
  }
  DialogDriver again(folder);
  ASSERT_EQ(again.problem(), "");
  EXPECT_TRUE(ShowsMark(again, 2)) << Hex(ReadBytes(folder.Ini()));
  EXPECT_TRUE(ShowsPath(again, music.path)) << Hex(ReadBytes(folder.Ini()));
  PostMessageW(again.form(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(again.WaitForEnd());
}

TEST_F(SettingsDialog, ClosingWithoutSetteiWritesNothing) {
  struct Case {
    const char* name;
    std::function<void(const DialogDriver&)> close;
  };
  const std::vector<Case> cases = {
      {"ｷｬﾝｾﾙ", [](const DialogDriver& d) { d.ClickButton(d.cancelButton()); }},
      {"the system menu's close", [](const DialogDriver& d) {
         PostMessageW(d.form(), WM_SYSCOMMAND, SC_CLOSE, 0);
       }},
      {"Escape", [](const DialogDriver& d) { d.PressKey(VK_ESCAPE); }},
      {"Escape after Tab", [](const DialogDriver& d) {
         const HWND before = d.Focus();
         d.PressKey(VK_TAB);
         EXPECT_TRUE(WaitUntil([&] { return d.Focus() != before; }, 5000));
         d.PressKey(VK_ESCAPE);
       }},
  };
  for (const Case& c : cases) {
    for (bool withSettings : {true, false}) {
      SCOPED_TRACE(std::string(c.name) + (withSettings ? ", settings file" : ", no settings file"));
      ProgramFolder folder(L"korvane dialog closes");
      ASSERT_TRUE(folder.ready());
      const std::string bytes = Settings(" 1", " 3", "");
      if (withSettings) { ASSERT_TRUE(WriteBytes(folder.Ini(), bytes)); }
      DialogDriver dialog(folder);
      ASSERT_EQ(dialog.problem(), "");
      dialog.Press(dialog.panel(), layout::kKindLabel[1].Centre(), MK_LBUTTON);
      EXPECT_TRUE(dialog.TypeTrack(L"8"));
      c.close(dialog);
      ASSERT_TRUE(dialog.WaitForEnd());
      EXPECT_EQ(FolderEntries(folder.path()),
                withSettings ? std::vector<std::wstring>({L"Korvane.dll", L"Korvane.ini", L"Korvane.scr"})
                             : std::vector<std::wstring>({L"Korvane.dll", L"Korvane.scr"}));
      EXPECT_EQ(Hex(ReadBytes(folder.Ini())), Hex(withSettings ? bytes : ""));
    }
  }
}

#ifdef KORVANE_READONLY_DIR
TEST_F(SettingsDialog, SetteiInAReadOnlyFolderSaysTheFileWasNotWrittenAndStaysOpen) {
  const std::wstring folder = KORVANE_READONLY_DIR L"\\with-renderer";
  const std::string before = ReadBytes(folder + L"\\Korvane.ini");
  if (before.empty()) GTEST_SKIP() << "no read-only folder on this machine (mounting needs root)";
  DialogDriver dialog(folder + L"\\Korvane.scr");
  ASSERT_EQ(dialog.problem(), "");
  dialog.Press(dialog.panel(), layout::kKindLabel[1].Centre(), MK_LBUTTON);
  ASSERT_TRUE(ShowsMark(dialog, 1));
  // Twice: after the first message the dialog is still there and 設定 still answers.
  for (int press = 0; press < 2; ++press) {
    dialog.ClickButton(dialog.setButton());
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
      return (box = VisibleWindowOf(dialog.process().id(), L"Korvane (ScreenSaver)")) != nullptr;
    }, kTimeoutMs)) << "no message came up, press " << press;
    EXPECT_EQ(GetWindow(box, GW_OWNER), dialog.form());
    wchar_t text[512] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 512);
    // "設定を保存できませんでした。" and the file's path
    const std::wstring shown = text;
    EXPECT_EQ(shown.rfind(L"\u8A2D\u5B9A\u3092\u4FDD\u5B58\u3067\u304D\u307E\u305B\u3093\u3067\u3057\u305F\u3002", 0), 0u)
        << Utf8(shown);
    EXPECT_NE(shown.find(L"\\with-renderer\\Korvane.ini"), std::wstring::npos) << Utf8(shown);
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }, kTimeoutMs));
    ASSERT_TRUE(dialog.process().Running()) << "the dialog closed over a choice it could not save";
  }
  dialog.ClickButton(dialog.cancelButton());
  ASSERT_TRUE(dialog.WaitForEnd());
  EXPECT_EQ(dialog.process().ExitCode(), 0u);
  EXPECT_EQ(ReadBytes(folder + L"\\Korvane.ini"), before);
}
#endif

// Columns where nothing is drawn over the gradients: right of the panel, and its left edge.
void ExpectGradients(const DialogDriver& dialog, const char* when) {
  RECT panelClient{};
  GetClientRect(dialog.panel(), &panelClient);
  const int panelHeight = panelClient.bottom;
  const CapturedPixels form = dialog.FormPixels();
  const CapturedPixels panel = dialog.PanelPixels();
  int wrong = 0;
  for (int y = 0; y < layout::kClientHeight; ++y) {
    if (form.At(490, y) != FormRow(y, layout::kClientHeight) && wrong++ < 3) {
      ADD_FAILURE() << when << ": form row " << y << " is " << Colour(form.At(490, y)) << ", expected "
                    << Colour(FormRow(y, layout::kClientHeight));
    }
  }
  for (int y = 0; y < panelHeight; ++y) {
    if (panel.At(2, y) != PanelRow(y, panelHeight) && wrong++ < 6) {
      ADD_FAILURE() << when << ": panel row " << y << " is " << Colour(panel.At(2, y)) << ", expected "
                    << Colour(PanelRow(y, panelHeight));
    }
  }
  // Darkest at the edges, lightest in the middle.
  EXPECT_EQ(Colour(form.At(490, 0)), Colour(RGB(0, 0, 30))) << when;
  EXPECT_EQ(Colour(form.At(490, 121)), Colour(RGB(220, 220, 250))) << when;
  EXPECT_EQ(Colour(panel.At(2, 0)), Colour(RGB(30, 30, 30))) << when;
}

// Stands a program in for the web browser that https addresses open in, and puts the
// system's back afterwards.
class StandInBrowser {
 public:
  explicit StandInBrowser(const std::wstring& report) {
    wchar_t saved[1024] = {};
    DWORD size = sizeof saved;
    had_ = RegGetValueW(HKEY_LOCAL_MACHINE, kKey, nullptr, RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND,
                        nullptr, saved, &size) == ERROR_SUCCESS;
    saved_ = saved;
    Set(L"\"" + TestProgramFolder() + L"\\browser_stand_in.exe\" \"" + report + L"\" \"%1\"");
  }
  ~StandInBrowser() {
    if (had_) {
      Set(saved_);
    } else {
      RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kKey, nullptr);
    }
  }
  StandInBrowser(const StandInBrowser&) = delete;
  StandInBrowser& operator=(const StandInBrowser&) = delete;

 private:
  static void Set(const std::wstring& command) {
    RegSetKeyValueW(HKEY_LOCAL_MACHINE, kKey, nullptr, REG_SZ, command.c_str(),
                    static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
  }
  // Wine looks up the handler of a protocol under the machine's classes only.
  static constexpr wchar_t kKey[] = L"Software\\Classes\\https\\shell\\open\\command";
  bool had_ = false;
  std::wstring saved_;
};

bool StandInBrowserRunning() {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  bool running = false;
  for (BOOL more = Process32FirstW(snapshot, &entry); more && !running; more = Process32NextW(snapshot, &entry)) {
    running = lstrcmpiW(entry.szExeFile, L"browser_stand_in.exe") == 0;
  }
  CloseHandle(snapshot);
  return running;
}

TEST_F(SettingsDialog, OpensCentredWithItsIconGradientsAndPointerAndItsLinkOpensTheHomePageOncePerClick) {
  ProgramFolder folder(L"korvane dialog frame and link");
  ASSERT_TRUE(folder.ready());
  const std::wstring report = folder.File(L"browser.txt");
  StandInBrowser browser(report);
  DialogDriver dialog(folder);
  ASSERT_EQ(dialog.problem(), "");
  RECT client{}, window{};
  GetClientRect(dialog.form(), &client);
  GetWindowRect(dialog.form(), &window);
  EXPECT_EQ(client.right, layout::kClientWidth);
  EXPECT_EQ(client.bottom, layout::kClientHeight);
  // In twips, whole-number division: (screen - dialog) \ 2 across, \ 3 down.
  const long width = window.right - window.left, height = window.bottom - window.top;
  const long left = (GetSystemMetrics(SM_CXSCREEN) * 15 - width * 15) / 2;
  const long top = (GetSystemMetrics(SM_CYSCREEN) * 15 - height * 15) / 3;
  EXPECT_EQ(window.left, std::lround(left / 15.0));
  EXPECT_EQ(window.top, std::lround(top / 15.0));
  const LONG style = GetWindowLongW(dialog.form(), GWL_STYLE);
  EXPECT_TRUE((style & WS_CAPTION) == WS_CAPTION && (style & WS_SYSMENU));
  EXPECT_FALSE(style & (WS_THICKFRAME | WS_MAXIMIZEBOX)) << "the dialog cannot be resized";
  // The shipped program's icon: one 32 x 32 picture of 256 colours; its pointer over the link:
  // 32 x 32, two colours, hot spot at 12, 10.
  HMODULE program = LoadLibraryExW(folder.Scr().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(program, nullptr);
  HRSRC group = FindResourceW(program, MAKEINTRESOURCEW(IDI_KORVANE), MAKEINTRESOURCEW(14) /* RT_GROUP_ICON */);
  ASSERT_NE(group, nullptr);
  const auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(program, group)));
  ASSERT_GE(SizeofResource(program, group), 20u);
  EXPECT_EQ(bytes[4] | bytes[5] << 8, 1) << "pictures";
  EXPECT_EQ(bytes[6], 32);                    // width
  EXPECT_EQ(bytes[7], 32);                    // height
  EXPECT_EQ(bytes[12] | bytes[13] << 8, 8);   // bits per pixel
  HCURSOR hand = static_cast<HCURSOR>(
      LoadImageW(program, MAKEINTRESOURCEW(IDC_POINTING_HAND), IMAGE_CURSOR, 0, 0, 0));
  ICONINFO info{};
  ASSERT_TRUE(hand && GetIconInfo(hand, &info));
  BITMAP mask{};
  GetObjectW(info.hbmMask, sizeof mask, &mask);
  EXPECT_EQ(info.xHotspot, 12u);
  EXPECT_EQ(info.yHotspot, 10u);
  EXPECT_EQ(info.hbmColor, nullptr) << "two colours: the mask holds both planes";
  EXPECT_EQ(mask.bmWidth, 32);
  EXPECT_EQ(mask.bmHeight, 64);
  DeleteObject(info.hbmMask);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  DestroyCursor(hand);
  FreeLibrary(program);

  ExpectGradients(dialog, "when shown");
  // Everything invalidated and erased, as when another window has covered the dialog.
  RedrawWindow(dialog.form(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
  ASSERT_TRUE(WaitUntil([&] {
    return !GetUpdateRect(dialog.form(), nullptr, FALSE) && !GetUpdateRect(dialog.panel(), nullptr, FALSE);
  }, kTimeoutMs));
  PumpFor(100);
  ExpectGradients(dialog, "after a repaint");

  // Over the link the dialog shows a pointer of its own, elsewhere the form's. (Another
  // process's pointer can be told apart, not looked into.)
  auto pointerAt = [&](POINT at) {
    ClientToScreen(dialog.form(), &at);
    SetCursorPos(at.x, at.y);
  };
  auto shown = [] {
    CURSORINFO cursor{};
    cursor.cbSize = sizeof cursor;
    return GetCursorInfo(&cursor) ? cursor.hCursor : nullptr;
  };
  pointerAt(POINT{490, 5});
  PumpFor(200);
  const HCURSOR plain = shown();
  pointerAt(layout::kLink.Centre());
  EXPECT_TRUE(WaitUntil([&] { return shown() != plain; }, 5000)) << "no pointer of its own over the link";
  pointerAt(POINT{490, 5});
  EXPECT_TRUE(WaitUntil([&] { return shown() == plain; }, 5000));

  // The address shows whole on one underlined line: the underline is as long as the address.
  HDC screen = GetDC(nullptr);
  HFONT font = CreateFontW(-MulDiv(975, GetDeviceCaps(screen, LOGPIXELSY), 7200), 0, 0, 0, FW_NORMAL, FALSE,
                           TRUE, FALSE, SHIFTJIS_CHARSET, 0, 0, 0, 0, L"\uFF2D\uFF33 \uFF30\u30B4\u30B7\u30C3\u30AF");
  HGDIOBJ previous = SelectObject(screen, font);
  const std::wstring address(KORVANE_HOME_PAGE, KORVANE_HOME_PAGE + sizeof KORVANE_HOME_PAGE - 1);
  SIZE extent{};
  GetTextExtentPoint32W(screen, address.c_str(), static_cast<int>(address.size()), &extent);
  SelectObject(screen, previous);
  DeleteObject(font);
  ReleaseDC(nullptr, screen);
  ASSERT_LE(extent.cx, layout::kLink.width) << "the address is wider than its label";
  const CapturedPixels form = dialog.FormPixels();
  int longestRun = 0;
  for (int y = layout::kLink.top; y < layout::kLink.top + 2 * layout::kLink.height; ++y) {
    int run = 0;
    for (int x = layout::kLink.left; x < form.width(); ++x) {
      run = form.At(x, y) == RGB(255, 255, 255) ? run + 1 : 0;
      longestRun = std::max(longestRun, run);
    }
  }
  EXPECT_NEAR(longestRun, extent.cx, 2) << "no underline as long as the address " << KORVANE_HOME_PAGE;

  const std::string launch = std::string(KORVANE_HOME_PAGE) + "\n";
  dialog.Press(dialog.form(), layout::kLink.Centre(), MK_LBUTTON);
  ASSERT_TRUE(WaitUntil([&] { return !ReadBytes(report).empty(); }, kTimeoutMs)) << "no browser started";
  EXPECT_EQ(ReadBytes(report), launch);
  EXPECT_TRUE(dialog.process().Running()) << "the dialog stays open";

  // A real double-click: its second press is the label's double-click, not another click.
  pointerAt(layout::kLink.Centre());
  SendMouseButtons({MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP});
  ASSERT_TRUE(WaitUntil([&] { return ReadBytes(report).size() >= 2 * launch.size(); }, kTimeoutMs));
  // A click on the CD mark after it, through the same input queue: once the mark shows, the
  // dialog has taken the whole double-click, and every browser it started has written.
  POINT mark{layout::kMark[1].left + 6, layout::kMark[1].top + 6};
  ClientToScreen(dialog.panel(), &mark);
  SetCursorPos(mark.x, mark.y);
  SendMouseButtons({MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP});
  ASSERT_TRUE(ShowsMark(dialog, 1));
  EXPECT_TRUE(WaitUntil([] { return !StandInBrowserRunning(); }, kTimeoutMs));
  EXPECT_EQ(ReadBytes(report), launch + launch) << "one launch for the single click, one for the double-click";
}

}  // namespace
