// The settings file routines against real profile files: the bytes on disk after a write,
// what is read back, the loading rules, and files that are missing, junk or not files at all.
// The program runs under code page 932 and again under 1252: the key bytes must not change.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "shell/settings/file_paths.h"
#include "shell/settings/ini_file.h"
#include "shell/settings/music_settings.h"
#include "shell/text/number_text.h"
#include "shell/settings/settings_file.h"
#include "tests/support/environment.h"
#include "harness/files.h"
#include "toolkit/ansi_text.h"
#include "toolkit/program.h"

namespace {

// The key bytes, spelled out here independently of the code under test.
const std::string kKind = "BGM\x8B\xE6\x95\xAA";
const std::string kTrack = "BGM\xD8\xCB\xDF\xB0\xC4";
const std::string kFile = "BGM\xCC\xA7\xB2\xD9";

std::string Ansi(const std::wstring& text) { return toolkit::ToAnsi(text); }

TEST(CodePage, IsTheOneThisRunWasStartedFor) {
  EXPECT_EQ(GetACP(), ExpectedCodePage());
}

class IniFile : public ::testing::Test {
 protected:
  void ExpectBytes(const std::string& expected) { EXPECT_EQ(Hex(ReadBytes(wideFile_)), Hex(expected)); }

  TempFolder folder_{L"korvane ini"};
  std::string file_ = Ansi(folder_.File(L"Korvane.ini"));
  std::wstring wideFile_ = folder_.File(L"Korvane.ini");
};

TEST_F(IniFile, WriteMakesTheFileAndSectionWithTheKeyBytesExactly) {
  LastResult = 0;
  WriteIni("Section", kKind, "abc", file_);
  EXPECT_NE(LastResult, 0);
  ExpectBytes("[Section]\r\n" + kKind + "=abc\r\n");
  WriteIni("Section", kTrack, "7", file_);
  WriteIni("Section", kFile, "C:\\\x89\xB9\x8A\x79\\\x95\x5C.mp3", file_);  // C:\音楽\表.mp3
  ExpectBytes("[Section]\r\n" + kKind + "=abc\r\n" + kTrack + "=7\r\n" + kFile +
              "=C:\\\x89\xB9\x8A\x79\\\x95\x5C.mp3\r\n");
}

TEST_F(IniFile, WriteReplacesAValueInPlaceAndKeepsTheOtherKeys) {
  ASSERT_TRUE(WriteBytes(wideFile_, "[Other]\r\nx=1\r\n[Section]\r\n" + kKind + "=1\r\n" + kFile +
                                        "=C:\\a.mp3\r\n"));
  WriteIni("Section", kKind, "0", file_);
  ExpectBytes("[Other]\r\nx=1\r\n[Section]\r\n" + kKind + "=0\r\n" + kFile + "=C:\\a.mp3\r\n");
}

TEST_F(IniFile, NumbersGoOutWithTheirLeadingBlankAndLoadBackWhicheverWayTheyWereStored) {
  // What is handed to the profile functions is NumberText's; whether the platform keeps the
  // blank is its own affair (Windows keeps it, Wine drops it), so both forms must load.
  WriteIni("Section", kKind, NumberText(2), file_);
  const std::string bytes = ReadBytes(wideFile_);
  EXPECT_TRUE(bytes == "[Section]\r\n" + kKind + "= 2\r\n" || bytes == "[Section]\r\n" + kKind + "=2\r\n")
      << Hex(bytes);
  EXPECT_EQ(LoadedSettingNumber(ReadIni("Section", kKind, file_), 9), 2);
  ASSERT_TRUE(WriteBytes(wideFile_, "[Section]\r\n" + kKind + "= 2\r\n" + kTrack + "=-1\r\n"));
  EXPECT_EQ(LoadedSettingNumber(ReadIni("Section", kKind, file_), 9), 2);
  EXPECT_EQ(ReadIni("Section", kTrack, file_), "-1");
}

TEST_F(IniFile, ReadGivesTheFirstValueCutTo255BytesAndEmptyTextWhenThereIsNone) {
  EXPECT_EQ(ReadIni("Section", kKind, file_), "") << "no file";
  ASSERT_TRUE(WriteBytes(wideFile_, "[Other]\r\n" + kKind + "=1\r\n[Section]\r\nBGM=2\r\n"));
  EXPECT_EQ(ReadIni("Section", kKind, file_), "") << "the key of another section must not be read";
  EXPECT_EQ(ReadIni("Missing", kKind, file_), "");
  ASSERT_TRUE(WriteBytes(wideFile_, "[Section]\r\n" + kKind + "=1\r\n" + kKind + "=2\r\n"));
  EXPECT_EQ(ReadIni("Section", kKind, file_), "1") << "a repeated key";
  for (std::size_t length : {254u, 255u, 256u, 300u}) {
    std::string value;
    for (std::size_t i = 0; i < length; ++i) value.push_back(static_cast<char>('a' + i % 26));
    ASSERT_TRUE(WriteBytes(wideFile_, "[Section]\r\n" + kFile + "=" + value + "\r\n"));
    EXPECT_EQ(ReadIni("Section", kFile, file_), value.substr(0, 255)) << "length " << length;
  }
}

TEST_F(IniFile, AWriteToAFolderNamedLikeTheFileOrIntoAMissingFolderFailsSilently) {
  ASSERT_TRUE(CreateDirectoryW(wideFile_.c_str(), nullptr));
  EXPECT_EQ(ReadIni("Section", kKind, file_), "");
  for (const std::string& file : {file_, Ansi(folder_.File(L"missing\\Korvane.ini"))}) {
    LastResult = 12345;
    WriteIni("Section", kKind, " 1", file);
    EXPECT_EQ(LastResult, 0) << file;
    EXPECT_EQ(ReadIni("Section", kKind, file), "") << file;
  }
  EXPECT_EQ(FolderEntries(wideFile_).size(), 0u) << "nothing may be written into the folder";
}

#ifdef KORVANE_READONLY_DIR
TEST_F(IniFile, AWriteIntoAReadOnlyFolderFailsSilentlyAndChangesNothing) {
  const std::wstring readOnly = KORVANE_READONLY_DIR L"\\with-renderer";
  const std::wstring target = readOnly + L"\\Korvane.ini";
  const std::string before = ReadBytes(target);
  if (before.empty()) GTEST_SKIP() << "no read-only folder on this machine (mounting needs root)";
  LastResult = 12345;
  WriteIni("Section", kKind, " 1", Ansi(target));
  EXPECT_EQ(LastResult, 0);
  EXPECT_EQ(ReadBytes(target), before);
  WriteIni("Section", kKind, " 1", Ansi(readOnly + L"\\New.ini"));
  EXPECT_EQ(LastResult, 0);
  EXPECT_EQ(GetFileAttributesW((readOnly + L"\\New.ini").c_str()), INVALID_FILE_ATTRIBUTES);
}
#endif

TEST(SaveSettingsTest, WritesEveryKeyInOrderAndSaysHowMuchReachedTheFile) {
  BGM_Kind = 1;
  BGM_Track = 7;
  BGM_File = "C:\\a.mp3";
  struct Case {
    std::vector<bool> accepted;
    SettingsSaved saved;
  };
  const std::vector<Case> cases = {{{true, true, true}, SettingsSaved::kAll},
                                   {{false, false, false}, SettingsSaved::kNothing},
                                   {{true, false, false}, SettingsSaved::kPart},
                                   {{true, true, false}, SettingsSaved::kPart},
                                   {{false, true, true}, SettingsSaved::kPart}};
  for (const Case& c : cases) {
    std::vector<std::string> writes;
    const SettingsSaved saved = SaveSettings([&](const char* key, const std::string& value) {
      writes.push_back(key + ("=" + value));
      return bool(c.accepted[writes.size() - 1]);
    });
    EXPECT_EQ(saved, c.saved) << writes.size();
    EXPECT_EQ(writes, (std::vector<std::string>{kKind + "= 1", kTrack + "= 7", kFile + "=C:\\a.mp3"}));
  }
}

TEST_F(IniFile, JunkBytesReadWithoutHarm) {
  std::string junk;
  for (int i = 0; i < 4096; ++i) junk.push_back(static_cast<char>((i * 7919 + 13) % 256));
  ASSERT_TRUE(WriteBytes(wideFile_, junk));
  EXPECT_LE(ReadIni("Section", kKind, file_).size(), 255u);
  ASSERT_TRUE(WriteBytes(wideFile_, std::string(10000, '\0')));
  EXPECT_EQ(ReadIni("Section", kKind, file_), "");
}

class FileChecks : public ::testing::Test {
 protected:
  TempFolder folder_{L"korvane files"};
  std::string Path(const wchar_t* name) { return Ansi(folder_.File(name)); }
};

TEST_F(FileChecks, AFileThatCanBeReadExistsAndNothingElseDoes) {
  ASSERT_TRUE(WriteBytes(folder_.File(L"a.mp3"), "ID3"));
  ASSERT_TRUE(CreateDirectoryW(folder_.File(L"sub").c_str(), nullptr));
  const std::pair<std::string, bool> cases[] = {
      {Path(L"a.mp3"), true},           {Path(L"a.mp3") + "\\", true},  // one trailing backslash is ignored
      {Path(L"a.mp3") + "\\\\", false}, {Path(L"sub"), false},
      {Path(L"sub") + "\\", false},     {Path(L"missing.mp3"), false},
      {"", false},                      {"\\", false},
      {Path(L"a.mp3") + std::string(300, 'x'), false}, {Path(L"*.mp3"), false},
  };
  for (const auto& [path, exists] : cases) EXPECT_EQ(FileExists(path), exists) << path;
}

TEST_F(FileChecks, AFileLockedAgainstReadersDoesNotExist) {
  ASSERT_TRUE(WriteBytes(folder_.File(L"locked.wav"), "RIFF"));
  HANDLE lock = CreateFileW(folder_.File(L"locked.wav").c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(FileExists(Path(L"locked.wav")));
  CloseHandle(lock);
  EXPECT_TRUE(FileExists(Path(L"locked.wav")));
}

TEST_F(FileChecks, ANameEndingInABackslashTrailByteIsNotCut) {
  if (GetACP() != 932) GTEST_SKIP() << "表 has no form in code page " << GetACP();
  ASSERT_TRUE(WriteBytes(folder_.File(L"\u8868"), "x"));  // 表: bytes 95 5C
  ASSERT_TRUE(CreateDirectoryW(folder_.File(L"\u97F3\u697D\u8868").c_str(), nullptr));
  ASSERT_TRUE(WriteBytes(folder_.File(L"\u97F3\u697D\u8868\\\u8868.mp3"), "x"));
  EXPECT_TRUE(FileExists(Path(L"\u8868")));
  EXPECT_TRUE(FileExists(Path(L"\u97F3\u697D\u8868\\\u8868.mp3")));
  EXPECT_FALSE(FileExists(Path(L"\u97F3\u697D\u8868")));
  EXPECT_EQ(FolderOf(Path(L"\u97F3\u697D\u8868\\\u8868.mp3")), Path(L"\u97F3\u697D\u8868"));
}

TEST(FolderOf, GivesTheFolderPartAsTheExamplesSay) {
  EXPECT_EQ(FolderOf("C:\\Music\\a.mp3"), "C:\\Music");
  EXPECT_EQ(FolderOf("C:\\a.mp3"), "C:");
  EXPECT_EQ(FolderOf("a.mp3"), "");
  EXPECT_EQ(FolderOf("\\\\server\\share\\a.wav"), "\\\\server\\share");
  // 表 ends in a backslash byte: only a code page 932 system sees one character there.
  EXPECT_EQ(FolderOf("C:\\\x95\x5C\\a.mp3"), "C:\\\x95\x5C");
  EXPECT_EQ(FolderOf("C:\\x\\\x95\x5C.mp3"), GetACP() == 932 ? "C:\\x" : "C:\\x\\\x95");
}

// LoadSettings reads Korvane.ini beside this test program, which each case writes anew.
class LoadSettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TearDown();
    BGM_Kind = 0;
    BGM_Track = 0;
    BGM_File.clear();
    BGM_Folder.clear();
    ASSERT_TRUE(WriteBytes(music_.File(L"song.mp3"), "ID3"));
  }
  void TearDown() override {
    RemoveTree(iniPath_);
    DeleteFileW(iniPath_.c_str());
  }
  static std::string Line(const std::string& key, const std::string& value) { return key + "=" + value + "\r\n"; }

  std::wstring iniPath_ = toolkit::ProgramFolder() + L"\\Korvane.ini";
  std::string programFolder_ = toolkit::ProgramFolderAnsi();
  TempFolder music_{L"korvane music"};
  std::string song_ = Ansi(music_.File(L"song.mp3"));
};

TEST_F(LoadSettingsTest, LoadsEachKindFallsBackToNoMusicWhenTheFileIsUnusableAndNeverWrites) {
  EXPECT_EQ(SettingsFilePath(), programFolder_ + "\\Korvane.ini");
  const std::string musicFolder = Ansi(music_.path()), gone = Ansi(music_.File(L"gone.mp3"));
  std::string junk;
  for (int i = 0; i < 4096; ++i) junk.push_back(static_cast<char>((i * 131 + 7) % 256));
  const char* kAny = "(any)";
  auto section = [](const std::string& lines) { return "[Section]\r\n" + lines; };
  struct Case {
    const char* name;
    std::optional<std::string> body;  // the file's bytes; none: no file
    std::string kind, track, file, folder;  // what is loaded; kAny: not checked
  };
  const Case cases[] = {
      {"file kind", section(Line(kKind, " 2") + Line(kTrack, " 5") + Line(kFile, song_)), "2", "5", song_,
       musicFolder},
      {"no file", std::nullopt, "0", "0", "", programFolder_},
      {"file kind, its file gone", section(Line(kKind, " 2") + Line(kFile, gone)), "0", kAny, "", programFolder_},
      {"file kind, empty path", section(Line(kKind, " 2") + Line(kFile, "")), "0", kAny, "", programFolder_},
      {"file kind, a folder is no music file", section(Line(kKind, " 2") + Line(kFile, musicFolder)), "0", kAny,
       "", programFolder_},
      {"file kind, a path of 256 bytes or more is cut and fails",
       section(Line(kKind, " 2") + Line(kFile, song_ + std::string(300, 'x'))), "0", kAny, "", programFolder_},
      {"CD kind keeps a remembered file", section(Line(kKind, " 1") + Line(kTrack, " 3") + Line(kFile, song_)),
       "1", "3", song_, musicFolder},
      {"only the file kind falls back when the file is gone", section(Line(kKind, " 1") + Line(kFile, gone)), "1",
       kAny, "", kAny},
      {"an empty value or a missing key gives 0", section(Line(kKind, "") + Line(kFile, song_)), "0", "0", kAny,
       kAny},
      {"a repeated key loads its first value", section(Line(kKind, " 1") + Line(kKind, " 2") + Line(kFile, song_)),
       "1", kAny, kAny, kAny},
      {"junk", junk, kAny, kAny, "", kAny},
      {"an empty file", "", "0", kAny, "", programFolder_},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TearDown();
    if (c.body) { ASSERT_TRUE(WriteBytes(iniPath_, *c.body)); }
    BGM_Kind = 5;
    BGM_Track = 6;
    BGM_File = "C:\\old.mp3";
    BGM_Folder = "C:\\old";
    LoadSettings();
    if (c.kind != kAny) { EXPECT_EQ(std::to_string(BGM_Kind), c.kind); }
    if (c.track != kAny) { EXPECT_EQ(std::to_string(BGM_Track), c.track); }
    if (c.file != kAny) { EXPECT_EQ(BGM_File, c.file); }
    if (c.folder != kAny) { EXPECT_EQ(BGM_Folder, c.folder); }
    // Whatever was dropped in memory, the file must keep saying what the user saved.
    if (c.body) { EXPECT_EQ(Hex(ReadBytes(iniPath_)), Hex(*c.body)) << "loading wrote the file"; }
  }
  // A folder in the file's place.
  TearDown();
  ASSERT_TRUE(CreateDirectoryW(iniPath_.c_str(), nullptr));
  LoadSettings();
  EXPECT_EQ(BGM_Kind, 0);
  EXPECT_EQ(BGM_File, "");
  EXPECT_EQ(BGM_Folder, programFolder_);
}

TEST_F(LoadSettingsTest, NumbersLoadByTheirWholePartAndTextThatIsNoNumberKeepsThePreviousValue) {
  struct Case {
    int row;
    const char* kind;
    std::int16_t previous;
    std::int16_t expected;
  };
  const Case cases[] = {
      {0, " 2", 0, 2},     {1, "2", 0, 2},       {2, "2.9", 0, 2},    {3, "abc", 0, 0},
      {4, "abc", 1, 1},    {5, "40000", 1, 1},   {6, "-1", 0, -1},    {7, "", 1, 0},
      {8, "7", 0, 7},      {9, "-32768", 0, -32768},  {10, "\x82\x51", 1, 1},
  };
  for (const Case& c : cases) {
    const std::string lines = Line(kKind, c.kind) + Line(kTrack, c.kind) + Line(kFile, song_);
    ASSERT_TRUE(WriteBytes(iniPath_, "[Section]\r\n" + lines));
    BGM_Kind = c.previous;
    BGM_Track = c.previous;
    LoadSettings();
    EXPECT_EQ(BGM_Kind, c.expected) << "row " << c.row;
    EXPECT_EQ(BGM_Track, c.expected) << "row " << c.row;
  }
}

TEST_F(LoadSettingsTest, AJapaneseMusicPathLoadsInCodePage932) {
  if (GetACP() != 932) GTEST_SKIP() << "the path has no form in code page " << GetACP();
  ASSERT_TRUE(CreateDirectoryW(music_.File(L"\u97F3\u697D\u8868").c_str(), nullptr));
  const std::wstring song = music_.File(L"\u97F3\u697D\u8868\\\uFF8C\uFF67\uFF72\uFF99.mp3");
  ASSERT_TRUE(WriteBytes(song, "ID3"));
  ASSERT_TRUE(WriteBytes(iniPath_, "[Section]\r\n" + Line(kKind, " 2") + Line(kFile, Ansi(song))));
  LoadSettings();
  EXPECT_EQ(BGM_Kind, 2);
  EXPECT_EQ(BGM_File, Ansi(song));
  EXPECT_EQ(BGM_Folder, Ansi(music_.File(L"\u97F3\u697D\u8868")));
}

}  // namespace
