// The NSIS installer run silently as a user would from a script: what it puts where, the
// screen saver setting, the saver starting from the installed folder, and an uninstaller
// that takes back exactly that.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "harness/files.h"
#include "harness/wait.h"
#include "tests/support/wine_process.h"

namespace {

constexpr unsigned kTimeoutMs = 60000;
constexpr wchar_t kDesktopKey[] = L"Control Panel\\Desktop";

std::wstring ReadSaverSetting(bool* present) {
  wchar_t value[MAX_PATH] = {};
  DWORD size = sizeof value;
  LSTATUS status = RegGetValueW(HKEY_CURRENT_USER, kDesktopKey, L"SCRNSAVE.EXE", RRF_RT_REG_SZ,
                                nullptr, value, &size);
  *present = status == ERROR_SUCCESS;
  return value;
}

void WriteSaverSetting(const std::wstring& value) {
  RegSetKeyValueW(HKEY_CURRENT_USER, kDesktopKey, L"SCRNSAVE.EXE", REG_SZ, value.c_str(),
                  static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool RunToEnd(const std::wstring& program, const std::wstring& arguments) {
  ChildProcess child = ChildProcess::Start(program, L"\"" + program + L"\" " + arguments);
  return child.started() && child.WaitExit(kTimeoutMs) && child.ExitCode() == 0;
}

class Installer : public ::testing::Test {
 protected:
  void SetUp() override { saved_ = ReadSaverSetting(&hadSetting_); }
  void TearDown() override {
    if (hadSetting_) WriteSaverSetting(saved_);
    else RegDeleteKeyValueW(HKEY_CURRENT_USER, kDesktopKey, L"SCRNSAVE.EXE");
  }
  std::wstring saved_;
  bool hadSetting_ = false;
};

TEST_F(Installer, InstallsForTheUserSetsTheSaverAndUninstallsExactlyThat) {
  for (const wchar_t* name : {L"KorvaneInstall", L"Korvane Install With Blanks"}) {
    SCOPED_TRACE(Utf8(name));
    TempFolder root(L"korvane installer");
    const std::wstring folder = root.File(name);
    WriteSaverSetting(L"C:\\windows\\system32\\previous.scr");

    // /D must come last and unquoted, whatever blanks it holds.
    ASSERT_TRUE(RunToEnd(KORVANE_INSTALLER, L"/S /D=" + folder));
    EXPECT_TRUE(Exists(folder + L"\\Korvane.scr"));
    EXPECT_TRUE(Exists(folder + L"\\Korvane.dll"));
    EXPECT_TRUE(Exists(folder + L"\\Uninstall.exe"));
    bool present = false;
    EXPECT_EQ(Utf8(ReadSaverSetting(&present)), Utf8(folder + L"\\Korvane.scr"));

    // The saver starts from where it was installed and can save its settings there.
    ChildProcess saver = ChildProcess::Start(folder + L"\\Korvane.scr", L"\"" + folder + L"\\Korvane.scr\" /s");
    HWND renderer = WaitForWindow(L"Korvane_VC", 30000);
    ASSERT_NE(renderer, nullptr) << "the installed saver did not start its renderer";
    PostMessageW(renderer, WM_CLOSE, 0, 0);
    EXPECT_TRUE(saver.WaitExit(15000));
    ASSERT_TRUE(WriteBytes(folder + L"\\Korvane.ini", "[Section]\r\n"));

    // The uninstaller copies itself away and returns at once: wait for its work to show.
    ASSERT_TRUE(RunToEnd(folder + L"\\Uninstall.exe", L"/S"));
    EXPECT_TRUE(WaitUntil([&] { return !Exists(folder); }, kTimeoutMs)) << "the folder stayed";
    EXPECT_EQ(Utf8(ReadSaverSetting(&present)), "C:\\windows\\system32\\previous.scr")
        << "the previous screen saver must come back";
    HKEY key = nullptr;
    EXPECT_NE(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Korvane", 0, KEY_READ, &key), ERROR_SUCCESS);
    EXPECT_NE(RegOpenKeyExW(HKEY_CURRENT_USER,
                            L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Korvane", 0,
                            KEY_READ, &key),
              ERROR_SUCCESS);
  }
}

TEST_F(Installer, LeavesAnotherSaverChosenAfterInstallAlone) {
  TempFolder root(L"korvane installer other");
  const std::wstring folder = root.File(L"Korvane");
  RegDeleteKeyValueW(HKEY_CURRENT_USER, kDesktopKey, L"SCRNSAVE.EXE");
  ASSERT_TRUE(RunToEnd(KORVANE_INSTALLER, L"/S /D=" + folder));
  WriteSaverSetting(L"C:\\chosen\\later.scr");  // the user picked another saver since
  ASSERT_TRUE(RunToEnd(folder + L"\\Uninstall.exe", L"/S"));
  EXPECT_TRUE(WaitUntil([&] { return !Exists(folder); }, kTimeoutMs));
  bool present = false;
  EXPECT_EQ(Utf8(ReadSaverSetting(&present)), "C:\\chosen\\later.scr");
}

}  // namespace
