// Folder parts of ANSI paths, searched by character: in code page 932 the trail byte of a
// character such as 表 (95 5C) is a backslash byte and must not end a folder name.
#include <gtest/gtest.h>

#include "shell/text/path_text.h"
#include "harness/files.h"

namespace {

bool CodePage932Lead(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
bool NoLeadBytes(unsigned char) { return false; }

struct Case {
  int row;
  const char* path;
  const char* folder932;
  const char* folderSingleByte;
};

const Case kFolderCases[] = {
    {0, "C:\\Music\\a.mp3", "C:\\Music", "C:\\Music"},
    {1, "C:\\a.mp3", "C:", "C:"},
    {2, "a.mp3", "", ""},
    {3, "C:a.mp3", "C:", "C:"},
    {4, "C:\\Music\\", "C:\\Music", "C:\\Music"},
    {5, "\\\\server\\share\\a.mp3", "\\\\server\\share", "\\\\server\\share"},
    {6, "", "", ""},
    {7, "C:\\", "C:", "C:"},
    {8, "C:\\\x89\xB9\x8A\x79\\\x95\x5C.mp3", "C:\\\x89\xB9\x8A\x79", "C:\\\x89\xB9\x8A\x79\\\x95"},
    {9, "C:\\\x95\x5C\\a.mp3", "C:\\\x95\x5C", "C:\\\x95\x5C"},
    {10, "C:\\\x95\x5C", "C:", "C:\\\x95"},
    {11, "C:\\a\x95", "C:", "C:"},  // a lead byte with nothing after it
    {12, "D:\\\xB2\xD9\\x.wav", "D:\\\xB2\xD9", "D:\\\xB2\xD9"},  // half-width katakana: one byte each
};

TEST(FolderPartOf, EndsAtTheLastSeparatorCharacterNotAtABackslashTrailByte) {
  for (const Case& c : kFolderCases) {
    EXPECT_EQ(FolderPartOf(c.path, CodePage932Lead), c.folder932)
        << "row " << c.row << " got " << Hex(FolderPartOf(c.path, CodePage932Lead));
    EXPECT_EQ(FolderPartOf(c.path, NoLeadBytes), c.folderSingleByte) << "row " << c.row;
  }
}

TEST(WithoutTrailingBackslash, DropsOneBackslashCharacter) {
  EXPECT_EQ(WithoutTrailingBackslash("C:\\Music\\", CodePage932Lead), "C:\\Music");
  EXPECT_EQ(WithoutTrailingBackslash("C:\\Music", CodePage932Lead), "C:\\Music");
  EXPECT_EQ(WithoutTrailingBackslash("C:\\Music\\\\", CodePage932Lead), "C:\\Music\\");
  EXPECT_EQ(WithoutTrailingBackslash("", CodePage932Lead), "");
  EXPECT_EQ(WithoutTrailingBackslash("\\", CodePage932Lead), "");
  EXPECT_EQ(WithoutTrailingBackslash("C:\\\x95\x5C", CodePage932Lead), "C:\\\x95\x5C") << "表 is kept";
  EXPECT_EQ(WithoutTrailingBackslash("C:\\\x95\x5C", NoLeadBytes), "C:\\\x95");
  EXPECT_EQ(WithoutTrailingBackslash("C:\\\x95\x5C\\", CodePage932Lead), "C:\\\x95\x5C");
}

}  // namespace
