// The NSIS installer run as a user would from a script: what it puts where, the screen saver
// setting and screen saving's on/off state, the Start-menu entry, the saver starting from the
// installed folder, a move to another folder, and an uninstaller that takes back exactly that,
// also while the preview holds the saver's file.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <string>

#include "harness/files.h"
#include "harness/wait.h"
#include "tests/support/plain_window.h"
#include "tests/support/wine_process.h"

namespace {

constexpr unsigned kTimeoutMs = 60000;
constexpr wchar_t kDesktopKey[] = L"Control Panel\\Desktop";
constexpr wchar_t kUninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Korvane";
constexpr wchar_t kRunOnceKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";

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

// The short (8.3) form of an existing path; empty when it has none of its own.
std::wstring ShortForm(const std::wstring& path) {
  wchar_t shortPath[MAX_PATH] = {};
  GetShortPathNameW(path.c_str(), shortPath, MAX_PATH);
  return shortPath == path ? L"" : shortPath;
}

// A top-level dialog owned by `owner` (null: one with no owner), or null.
HWND DialogOwnedBy(HWND owner) {
  for (HWND dialog = nullptr; (dialog = FindWindowExW(nullptr, dialog, L"#32770", nullptr));)
    if (GetWindow(dialog, GW_OWNER) == owner && IsWindowVisible(dialog)) return dialog;
  return nullptr;
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

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
  return text;
}

// What a shortcut starts, lower case; its target is "<unreadable>" when it cannot be read.
struct Shortcut {
  std::string target, arguments;
};
Shortcut ReadShortcut(const std::wstring& link) {
  Shortcut command{"<unreadable>", ""};
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
    command = {Lower(Utf8(target)), Lower(Utf8(arguments))};
  if (file) file->Release();
  shellLink->Release();
  return command;
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
    const wchar_t* movedTo;       // installed again into this folder, then over itself
    // While Screen Saver Settings' preview holds Korvane.scr, the uninstaller runs silently
    // or with a window, where it asks for the preview to go.
    enum { kNoPreview, kPreviewSilent, kPreviewAsked } preview;
  };
  const Case cases[] = {
      {0, L"KorvaneInstall", L"C:\\windows\\system32\\previous.scr", L"1", false, L"Korvane Moved", Case::kNoPreview},
      {1, L"Korvane Install With Blanks", nullptr, L"0", true, nullptr, Case::kPreviewSilent},
      {2, L"Korvane Asked", nullptr, L"1", false, nullptr, Case::kPreviewAsked},
  };
  const std::string settings = "[Section]\r\n";
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "case " << c.index << ": " << Utf8(c.folderName));
    TempFolder root(L"korvane installer");
    std::wstring folder = root.File(c.folderName);
    std::wstring saver = folder + L"\\Korvane.scr";
    WriteText(L"SCRNSAVE.EXE", c.saverBefore);
    WriteText(L"ScreenSaveActive", c.activeBefore);

    // /D must come last and unquoted, whatever blanks it holds.
    ASSERT_TRUE(RunToEnd(KORVANE_INSTALLER, L"/S /D=" + folder));
    for (const wchar_t* name : {L"Korvane.scr", L"Korvane.dll", L"Uninstall.exe"})
      EXPECT_TRUE(Exists(folder + L"\\" + name)) << Utf8(name);
    EXPECT_EQ(ReadText(kDesktopKey, L"SCRNSAVE.EXE"), Utf8(saver));
    EXPECT_EQ(ReadText(kDesktopKey, L"ScreenSaveActive"), "1") << "a chosen saver must also be on";
    EXPECT_EQ(ReadText(kUninstallKey, L"DisplayIcon"), Utf8(saver + L",0"));
    // Windows opens a shortcut to a .scr as "%1" /S and drops the shortcut's arguments.
    const std::wstring menu = StartMenuFolder();
    for (const std::wstring& name : FolderEntries(menu)) {
      const Shortcut link = ReadShortcut(menu + L"\\" + name);
      EXPECT_FALSE(link.target.ends_with(".scr") && !link.arguments.empty()) << Utf8(name) << " hands " << link.target << " the arguments " << link.arguments;
    }
    const Shortcut use = ReadShortcut(menu + L"\\Use Korvane as the screen saver.lnk");
    EXPECT_EQ(use.target + " " + use.arguments,
              Lower("C:\\windows\\system32\\rundll32.exe desk.cpl,InstallScreenSaver " + Utf8(saver)));

    // The saver starts from where it was installed and can save its settings there.
    ChildProcess run = ChildProcess::Start(saver, L"\"" + saver + L"\" /s");
    HWND renderer = WaitForWindow(L"Korvane_VC", 30000);
    ASSERT_NE(renderer, nullptr) << "the installed saver did not start its renderer";
    PostMessageW(renderer, WM_CLOSE, 0, 0);
    EXPECT_TRUE(run.WaitExit(15000));
    ASSERT_TRUE(WriteBytes(folder + L"\\Korvane.ini", settings));

    if (c.movedTo) {
      const std::wstring earlier = folder;
      folder = root.File(c.movedTo);
      saver = folder + L"\\Korvane.scr";
      ASSERT_TRUE(RunToEnd(KORVANE_INSTALLER, L"/S /D=" + folder));
      EXPECT_FALSE(Exists(earlier)) << "the earlier copy stayed";
      EXPECT_EQ(ReadText(kUninstallKey, L"InstallLocation"), Utf8(folder));
      EXPECT_EQ(ReadText(kDesktopKey, L"SCRNSAVE.EXE"), Utf8(saver));
      // The same folder again, named in its other form: still the same folder.
      ASSERT_TRUE(RunToEnd(KORVANE_INSTALLER, L"/S /D=" + ShortForm(folder)));
      EXPECT_EQ(ReadBytes(folder + L"\\Korvane.ini"), settings) << "the music choice was lost";
    }
    if (c.windowsStoresShortPath) {
      ASSERT_NE(ShortForm(saver), L"") << "the folder needs a short name of its own";
      WriteText(L"SCRNSAVE.EXE", ShortForm(saver).c_str());
    }
    HWND area = nullptr;
    ChildProcess preview;
    if (c.preview != Case::kNoPreview) {
      area = ShowInactivePlainWindow(0, L"preview area", WS_POPUP, 40, 40, 152, 112);
      preview = ChildProcess::Start(saver, L"\"" + saver + L"\" /p " + std::to_wstring(reinterpret_cast<ULONG_PTR>(area)));
      ASSERT_TRUE(WaitUntil([&] { return FindWindowExW(area, nullptr, nullptr, L"Preview Window"); }, kTimeoutMs));
    }

    // The uninstaller copies itself away and returns at once: wait for its work to show.
    ASSERT_TRUE(RunToEnd(folder + L"\\Uninstall.exe", c.preview == Case::kPreviewAsked ? L"" : L"/S"));
    if (c.preview == Case::kPreviewAsked) {
      HWND page = nullptr, box = nullptr;
      ASSERT_TRUE(WaitUntil([&] { return (page = DialogOwnedBy(nullptr)) != nullptr; }, kTimeoutMs));
      PostMessageW(page, WM_COMMAND, IDOK, 0);  // "Uninstall"
      ASSERT_TRUE(WaitUntil([&] { return (box = DialogOwnedBy(page)) != nullptr; }, kTimeoutMs)) << "not asked";
      wchar_t text[1024] = {};
      GetDlgItemTextW(box, 0xFFFF, text, 1024);  // a message box's text
      EXPECT_NE(std::wstring(text).find(saver), std::wstring::npos) << Utf8(text);
      // Closed with OK, Screen Saver Settings stores its choice again, in its own form.
      WriteText(L"SCRNSAVE.EXE", ShortForm(saver).c_str());
      EXPECT_TRUE(DestroyWindow(area) && preview.WaitExit(kTimeoutMs));
      PostMessageW(box, WM_COMMAND, IDRETRY, 0);
      // "Close", pressed until the page has gone.
      EXPECT_TRUE(WaitUntil([&] { return !PostMessageW(page, WM_COMMAND, IDOK, 0); }, kTimeoutMs, 200));
    } else if (c.preview == Case::kPreviewSilent) {
      EXPECT_TRUE(WaitUntil([&] { return !Exists(folder + L"\\Uninstall.exe"); }, kTimeoutMs));
      ASSERT_TRUE(Exists(saver)) << "the running preview's file was deleted: nothing is tested here";
      // Removed when the user next signs in, by the command the uninstaller left for it.
      const std::wstring name = L"Korvane " + saver;
      bool pending = false;
      const std::wstring removal = ReadWide(kRunOnceKey, name.c_str(), &pending);
      RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunOnceKey, name.c_str());
      ASSERT_TRUE(pending) << "the file was left behind without a word";
      EXPECT_TRUE(DestroyWindow(area) && preview.WaitExit(kTimeoutMs));
      EXPECT_TRUE(ChildProcess::Start(removal.substr(1, removal.find(L'"', 1) - 1), removal).WaitExit(kTimeoutMs));
    }
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
