// The record handed to the open-file dialog: its size for this program's layout, the filter
// and title bytes in the ANSI code page, the two 255-character buffers, the starting folder.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>

#include "shell/settings_dialog/music_file_chooser.h"
#include "tests/support/environment.h"
#include "harness/files.h"

namespace {

TEST(MusicFileChooser, TheRecordIsFilledAsTheDialogExpectsIt) {
  MusicFileRecord chooser;
  // Poison first, so a field that is not filled cannot pass for a filled one.
  std::memset(&chooser.record, 0xCC, sizeof chooser.record);
  std::memset(chooser.file, 0xCC, sizeof chooser.file);
  std::memset(chooser.fileTitle, 0xCC, sizeof chooser.fileTitle);
  const std::string folder = "C:\\Music";
  HWND owner = reinterpret_cast<HWND>(static_cast<LONG_PTR>(0x1234));
  PrepareMusicFileRecord(chooser, owner, folder);
  const OPENFILENAMEA& r = chooser.record;

  EXPECT_EQ(r.lStructSize, 152u) << "the 64-bit layout";
  EXPECT_EQ(r.hwndOwner, owner);
  EXPECT_EQ(r.hInstance, GetModuleHandleA(nullptr));
  EXPECT_TRUE(r.lpstrFile == chooser.file && r.nMaxFile == 255u);
  EXPECT_TRUE(r.lpstrFileTitle == chooser.fileTitle && r.nMaxFileTitle == 255u);
  EXPECT_EQ(std::string(chooser.file, 255) + std::string(chooser.fileTitle, 255), std::string(510, '\0'));
  EXPECT_STREQ(r.lpstrInitialDir, "C:\\Music");
  EXPECT_TRUE(r.Flags == 0 && !r.lpstrCustomFilter && !r.lpstrDefExt && !r.lpfnHook && r.FlagsEx == 0);

  // The filter is one entry and the empty one that ends the list; code page 932 bytes here.
  const std::string filter(r.lpstrFilter, chooser.filter.size() + 1);
  if (GetACP() == 932) {
    EXPECT_EQ(Hex(filter), Hex(std::string("BGM\xCC\xA7\xB2\xD9 (MP3 WAV)\0*.MP3;*.WAV\0\0", 31)));
    EXPECT_EQ(Hex(r.lpstrTitle), Hex("\xCC\xA7\xB2\xD9\x82\xF0\x8A\x4A\x82\xAD"));
  } else {
    EXPECT_EQ(filter.substr(filter.find('\0')), std::string("\0*.MP3;*.WAV\0\0", 15));
  }
}

}  // namespace
