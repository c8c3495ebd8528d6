// The NSIS installer run silently as a user would from a script: what it puts where, the
// screen saver setting and screen saving's on/off state, the Start-menu entries, the saver
// starting from the installed folder, and an uninstaller that takes back exactly that.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <string>

#include "harness/files.h"
#include "harness/wait.h"
#include "tests/support/wine_process.h"

namespace {

constexpr unsigned kTimeoutMs = 60000;
constexpr wchar_t kDesktopKey[] = L"Control Panel\\Desktop";
constexpr wchar_t kUninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Korvane";

std::wstring ReadWide(const wchar_t* key, const wchar_t* name, bool* present) {
  wchar_t value[MAX_PATH] = {};
  DWORD size = sizeof value;
  *present = RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, value, &size) == ERROR_SUCCESS;
  return value;
}

// A REG_SZ value as UTF-8, or "<none>" so that a missing value shows in a failure message.
std::string ReadText(const wchar_t* key, const wchar_t* name) {
  bool present = false;
  const std::wstring value = ReadWide(key, name, &present);
  return present ? Utf8(value) : "<none>";
}

void WriteText(const wchar_t* name, const wchar_t* value) {
  if (!value) {
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kDesktopKey, name);
    return;
  }
  RegSetKeyValueW(HKEY_CURRENT_USER, kDesktopKey, name, REG_SZ, value,
                  static_cast<DWORD>((wcslen(value) + 1) * sizeof(wchar_t)));
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool RunToEnd(const std::wstring& program, const std::wstring& arguments) {
  ChildProcess child = ChildProcess::Start(program, L"\"" + program + L"\" " + arguments);
  return child.started() && child.WaitExit(kTimeoutMs) && child.ExitCode() == 0;
}

std::wstring StartMenuFolder() {
  wchar_t programs[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, CSIDL_PROGRAMS, nullptr, SHGFP_TYPE_CURRENT, programs);
  return std::wstring(programs) + L"\\Korvane";
}

// What a shortcut starts: "<target> <arguments>", or "<unreadable>".
std::string ShortcutCommand(const std::wstring& link) {
  std::string command = "<unreadable>";
  IShellLinkW* shellLink = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              reinterpret_cast<void**>(&shellLink))))
    return command;
  IPersistFile* file = nullptr;
  wchar_t target[MAX_PATH] = {}, arguments[MAX_PATH] = {};
  if (SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
      SUCCEEDED(file->Load(link.c_str(), STGM_READ)) &&
      SUCCEEDED(shellLink->GetPath(target, MAX_PATH, nullptr, 0)) &&
      SUCCEEDED(shellLink->GetArguments(arguments, MAX_PATH)))
    command = Utf8(std::wstring(target) + L" " + arguments);
  if (file) file->Release();
  shellLink->Release();
  return command;
}

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
  return text;
}

class Installer : public ::testing::Test {
 protected:
  void SetUp() override {
    CoInitialize(nullptr);
    for (int i = 0; i < 2; ++i) saved_[i] = ReadWide(kDesktopKey, kNames[i], &had_[i]);
  }
  void TearDown() override {
    for (int i = 0; i < 2; ++i) WriteText(kNames[i], had_[i] ? saved_[i].c_str() : nullptr);
    CoUninitialize();
  }
  static constexpr const wchar_t* kNames[2] = {L"SCRNSAVE.EXE", L"ScreenSaveActive"};
  std::wstring saved_[2];
  bool had_[2] = {};
};

TEST_F(Installer, InstallsForTheUserSetsTheSaverAndUninstallsExactlyThat) {
  struct Case {
    int index;
    const wchar_t* folderName;
    const wchar_t* saverBefore;   // null: "(None)" chosen, which also turns saving off
    const wchar_t* activeBefore;
    bool windowsStoresShortPath;  // as Screen Saver Settings may, after the install
  };
  const Case cases[] = {
      {0, L"KorvaneInstall", L"C:\\windows\\system32\\previous.scr", L"1", false},
      {1, L"Korvane Install With Blanks", nullptr, L"0", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "case " << c.index << ": " << Utf8(c.folderName));
    TempFolder root(L"korvane installer");
    const std::wstring folder = root.File(c.folderName);
    const std::wstring saver = folder + L"\\Korvane.scr";
    WriteText(L"SCRNSAVE.EXE", c.saverBefore);
    WriteText(L"ScreenSaveActive", c.activeBefore);

    // /D must come last and unquoted, whatever blanks it holds.
    ASSERT_TRUE(RunToEnd(KORVANE_INSTALLER, L"/S /D=" + folder));
    EXPECT_TRUE(Exists(saver));
    EXPECT_TRUE(Exists(folder + L"\\Korvane.dll"));
    EXPECT_TRUE(Exists(folder + L"\\Uninstall.exe"));
    EXPECT_EQ(ReadText(kDesktopKey, L"SCRNSAVE.EXE"), Utf8(saver));
    EXPECT_EQ(ReadText(kDesktopKey, L"ScreenSaveActive"), "1") << "a chosen saver must also be on";
    EXPECT_EQ(ReadText(kUninstallKey, L"DisplayIcon"), Utf8(saver + L",0"));
    // One entry opens the settings, one does what the shell's Install verb on a .scr does.
    const std::wstring menu = StartMenuFolder();
    EXPECT_EQ(ShortcutCommand(menu + L"\\Korvane.lnk"), Utf8(saver + L" /c"));
    EXPECT_EQ(Lower(ShortcutCommand(menu + L"\\Use Korvane as the screen saver.lnk")),
              Lower("C:\\windows\\system32\\rundll32.exe desk.cpl,InstallScreenSaver " + Utf8(saver)));

    // The saver starts from where it was installed and can save its settings there.
    ChildProcess run = ChildProcess::Start(saver, L"\"" + saver + L"\" /s");
    HWND renderer = WaitForWindow(L"Korvane_VC", 30000);
    ASSERT_NE(renderer, nullptr) << "the installed saver did not start its renderer";
    PostMessageW(renderer, WM_CLOSE, 0, 0);
    EXPECT_TRUE(run.WaitExit(15000));
    ASSERT_TRUE(WriteBytes(folder + L"\\Korvane.ini", "[Section]\r\n"));

    if (c.windowsStoresShortPath) {
      wchar_t shortPath[MAX_PATH] = {};
      ASSERT_NE(GetShortPathNameW(saver.c_str(), shortPath, MAX_PATH), 0u);
      ASSERT_NE(Utf8(shortPath), Utf8(saver)) << "the folder needs a short name of its own";
      WriteText(L"SCRNSAVE.EXE", shortPath);
    }

    // The uninstaller copies itself away and returns at once: wait for its work to show.
    ASSERT_TRUE(RunToEnd(folder + L"\\Uninstall.exe", L"/S"));
    EXPECT_TRUE(WaitUntil([&] { return !Exists(folder); }, kTimeoutMs)) << "the folder stayed";
    EXPECT_EQ(ReadText(kDesktopKey, L"SCRNSAVE.EXE"), c.saverBefore ? Utf8(c.saverBefore) : "<none>")
        << "the previous screen saver must come back, and never name the deleted file";
    EXPECT_EQ(ReadText(kDesktopKey, L"ScreenSaveActive"), Utf8(c.activeBefore));
    EXPECT_FALSE(Exists(menu)) << "the Start-menu entries stayed";
    HKEY key = nullptr;
    EXPECT_NE(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Korvane", 0, KEY_READ, &key), ERROR_SUCCESS);
    EXPECT_NE(RegOpenKeyExW(HKEY_CURRENT_USER, kUninstallKey, 0, KEY_READ, &key), ERROR_SUCCESS);
  }
}

TEST_F(Installer, LeavesAnotherSaverChosenAfterInstallAlone) {
  TempFolder root(L"korvane installer other");
  const std::wstring folder = root.File(L"Korvane");
  WriteText(L"SCRNSAVE.EXE", nullptr);
  WriteText(L"ScreenSaveActive", L"0");
  ASSERT_TRUE(RunToEnd(KORVANE_INSTALLER, L"/S /D=" + folder));
  WriteText(L"SCRNSAVE.EXE", L"C:\\chosen\\later.scr");  // the user picked another saver since
  ASSERT_TRUE(RunToEnd(folder + L"\\Uninstall.exe", L"/S"));
  EXPECT_TRUE(WaitUntil([&] { return !Exists(folder); }, kTimeoutMs));
  EXPECT_EQ(ReadText(kDesktopKey, L"SCRNSAVE.EXE"), "C:\\chosen\\later.scr");
  EXPECT_EQ(ReadText(kDesktopKey, L"ScreenSaveActive"), "1") << "the user's saver must stay on";
}

}  // namespace
