// The open-file dialog of the settings dialog: the record it is handed, and what a chosen name
// becomes in the settings file's ANSI code page, with and without short (8.3) names.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "shell/settings_dialog/music_file_chooser.h"
#include "harness/files.h"
#include "shell/settings/ini_file.h"
#include "shell/resources/messages.h"
#include "tests/support/environment.h"
#include "tests/support/no_short_names.h"
#include "toolkit/ansi_path.h"
#include "toolkit/ansi_text.h"

namespace {

TEST(MusicFileChooser, TheRecordIsFilledAsTheDialogExpectsIt) {
  MusicFileRecord chooser;
  // Poison first, so a field that is not filled cannot pass for a filled one.
  std::memset(&chooser.record, 0xCC, sizeof chooser.record);
  std::memset(chooser.file, 0xCC, sizeof chooser.file);
  std::memset(chooser.fileTitle, 0xCC, sizeof chooser.fileTitle);
  HWND owner = reinterpret_cast<HWND>(static_cast<LONG_PTR>(0x1234));
  PrepareMusicFileRecord(chooser, owner, "C:\\Music");
  const OPENFILENAMEW& r = chooser.record;

  EXPECT_EQ(r.lStructSize, 152u) << "the 64-bit layout";
  EXPECT_EQ(r.hwndOwner, owner);
  EXPECT_EQ(r.hInstance, GetModuleHandleW(nullptr));
  EXPECT_TRUE(r.lpstrFile == chooser.file && r.nMaxFile == 255u);
  EXPECT_TRUE(r.lpstrFileTitle == chooser.fileTitle && r.nMaxFileTitle == 255u);
  EXPECT_EQ(std::wstring(chooser.file, 255) + std::wstring(chooser.fileTitle, 255), std::wstring(510, L'\0'));
  EXPECT_EQ(Utf8(r.lpstrInitialDir), "C:\\Music");
  EXPECT_TRUE(r.Flags == 0 && !r.lpstrCustomFilter && !r.lpstrDefExt && !r.lpfnHook && r.FlagsEx == 0);
  // One entry and the empty one that ends the list.
  EXPECT_EQ(std::wstring(r.lpstrFilter, chooser.filter.size() + 1),
            std::wstring(L"BGM\uFF8C\uFF67\uFF72\uFF99 (MP3 WAV)\0*.MP3;*.WAV\0\0", 31));
  EXPECT_EQ(Utf8(r.lpstrTitle), Utf8(L"\uFF8C\uFF67\uFF72\uFF99\u3092\u958B\u304F"));
}

// Plays the user inside ChooseMusicFile's modal loops (a thread timer runs there): types
// `name` into the open-file dialog and presses Open, then reads and closes any message box.
struct ChooserUser {
  std::wstring name;
  std::wstring message;  // the text of the message box shown, if any
  int ticks = 0;
};
ChooserUser user;

BOOL CALLBACK TypeIntoNameField(HWND child, LPARAM chooser) {
  wchar_t className[16] = {};
  GetClassNameW(child, className, 16);
  const int id = GetDlgCtrlID(child), parentId = GetDlgCtrlID(GetParent(child));
  if (lstrcmpiW(className, L"Edit") != 0 || !IsWindowVisible(child) || (id != 0x480 && parentId != 0x47C))
    return TRUE;  // edt1 of the old dialog, or the edit of cmb13 in the Explorer-style one
  SendMessageW(child, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(user.name.c_str()));
  PostMessageW(reinterpret_cast<HWND>(chooser), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  return FALSE;
}

void CALLBACK ActAsUser(HWND, UINT, UINT_PTR, DWORD) {
  const bool givingUp = ++user.ticks > 600;  // 30 s: end the loops rather than hang
  if (HWND box = FindWindowW(L"#32770", kApplicationTitle); box && IsWindowVisible(box)) {
    wchar_t text[1024] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 1024);  // the message box's text
    user.message = text;
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  } else if (HWND chooser = FindWindowW(nullptr, L"\uFF8C\uFF67\uFF72\uFF99\u3092\u958B\u304F");
             chooser && IsWindowVisible(chooser)) {
    if (givingUp) PostMessageW(chooser, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    else EnumChildWindows(chooser, TypeIntoNameField, reinterpret_cast<LPARAM>(chooser));
  }
}

// A path of exactly `bytes` bytes in code page 932 in `folder`, ending with a double-byte
// character; 40 more in a subfolder, so that no name is longer than a file system holds.
std::wstring PathOfBytes(const std::wstring& folder, size_t bytes) {
  const std::wstring subfolder = folder + L"\\" + std::wstring(40, L'\u66F2');
  CreateDirectoryW(subfolder.c_str(), nullptr);
  const size_t used = toolkit::ToAnsi(subfolder).size() + 1 + 2;
  return subfolder + L"\\" + std::wstring(bytes - used, L'a') + L'\u66F2';
}

TEST(MusicFileChooser, KeepsANameTheSettingsFileHoldsItsShortFormOrTheEarlierChoiceWithAMessage) {
  ASSERT_EQ(GetACP(), ExpectedCodePage());
  TempFolder folder(L"music chooser");
  // "é" has no code page 932 form, Japanese none in 1252; UTF-8 holds both.
  std::vector<std::wstring> paths = {
      folder.File(L"plain tune.mp3"),
      folder.File(GetACP() == 932 ? L"Korvan\u00E9 \u00E9t\u00E9.mp3" : L"\u591C\u306E\u66F2.mp3")};
  if (GetACP() == 932) {
    // Read back whole, and cut inside its last character.
    paths.push_back(PathOfBytes(folder.path(), kIniValueMaxBytes));
    paths.push_back(PathOfBytes(folder.path(), kIniValueMaxBytes + 1));
  }
  for (const std::wstring& path : paths) {
    ASSERT_TRUE(WriteBytes(path, "ID3"));
    bool lettersHeld = false;
    const std::string ansi = toolkit::ToAnsi(path, &lettersHeld);
    const bool holds = lettersHeld && ansi.size() <= kIniValueMaxBytes;
    for (bool shortNames : {true, false}) {
      if (holds && shortNames) continue;  // a name the settings file holds is never shortened
      SCOPED_TRACE(Utf8(path) + " (" + std::to_string(ansi.size()) + " bytes)" +
                   (shortNames ? ", short names" : ", no short names"));
      user = ChooserUser{path, L"", 0};
      auto volume = shortNames ? nullptr : std::make_unique<NoShortNames>();
      const UINT_PTR timer = SetTimer(nullptr, 0, 50, ActAsUser);
      const std::optional<std::string> kept = ChooseMusicFile(nullptr, toolkit::ToAnsi(folder.path()));
      KillTimer(nullptr, timer);
      volume.reset();
      if (holds) {
        EXPECT_EQ(kept, ansi);
        EXPECT_EQ(Utf8(user.message), "");
      } else if (shortNames) {
        ASSERT_TRUE(kept.has_value()) << Utf8(user.message);
        EXPECT_NE(*kept, ansi);
        EXPECT_LE(kept->size(), kIniValueMaxBytes);
        EXPECT_NE(GetFileAttributesA(kept->c_str()), INVALID_FILE_ATTRIBUTES) << *kept << " reaches nothing";
        EXPECT_EQ(Utf8(user.message), "");
      } else {
        EXPECT_FALSE(kept.has_value()) << "\"" << kept.value_or("") << "\" would be saved and find nothing";
        const wchar_t* why = lettersHeld ? kMusicFileNameTooLongText : kMusicFileNotKeptText;
        EXPECT_EQ(Utf8(user.message), Utf8(std::wstring(why) + L"\n" + path));
      }
    }
  }
}

}  // namespace
