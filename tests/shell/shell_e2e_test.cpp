// The real Korvane.scr, started as Windows starts a screen saver, from a program folder that
// each case lays out itself (with or without the renderer, with settings files of every
// kind), and watched from outside: its message box, its exit, and what it left on disk.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "tests/support/environment.h"
#include "harness/files.h"
#include "tests/support/unmanaged_windows.h"
#include "harness/wait.h"
#include "tests/support/plain_window.h"
#include "tests/support/wine_process.h"

namespace {

constexpr unsigned kTimeoutMs = 30000;
constexpr wchar_t kCaption[] = L"Korvane (ScreenSaver)";
// "Korvane.dll が同じﾌｫﾙﾀﾞに見つかりません！"
constexpr wchar_t kMissingRenderer[] =
    L"Korvane.dll \u304C\u540C\u3058\uFF8C\uFF6B\uFF99\uFF80\uFF9E\u306B\u898B\u3064\u304B\u308A"
    L"\u307E\u305B\u3093\uFF01";
constexpr int kMessageTextId = 0xFFFF;
constexpr int kMessageIconId = 0x440;

const std::string kKind = "BGM\x8B\xE6\x95\xAA";
const std::string kTrack = "BGM\xD8\xCB\xDF\xB0\xC4";
const std::string kFile = "BGM\xCC\xA7\xB2\xD9";
// Kind 2 whose file is gone: start-up drops it in memory and must not write that back.
const std::string kSavedSettings =
    "[Section]\r\n" + kKind + "= 2\r\n" + kTrack + "= 3\r\n" + kFile + "=C:\\gone.mp3\r\n";

// What one start of Korvane.scr did.
struct Outcome {
  bool started = false;
  DWORD startError = 0;
  bool ended = false;
  DWORD exitCode = 0xDEADBEEF;
  bool message = false;
  std::wstring text;
  bool icon = true;
  int buttons = 0;
  bool okButton = false;
  bool waitedForTheMessage = false;
  bool dialog = false;  // the settings dialog came up (and was closed from its system menu)
};

std::ostream& operator<<(std::ostream& out, const Outcome& o) {
  out << "{started " << o.started;
  if (!o.started) out << " (" << ErrorText(o.startError) << ")";
  out << ", ended " << o.ended << ", exit " << o.exitCode
      << ", message " << o.message << ", dialog " << o.dialog;
  if (o.message) {
    out << " \"" << Utf8(o.text) << "\", icon " << o.icon << ", buttons " << o.buttons << ", OK "
        << o.okButton << ", waited " << o.waitedForTheMessage;
  }
  return out << "}";
}

BOOL CALLBACK CountButtons(HWND child, LPARAM state) {
  wchar_t className[16] = {};
  GetClassNameW(child, className, 16);
  if (lstrcmpiW(className, L"Button") == 0 && IsWindowVisible(child)) ++*reinterpret_cast<int*>(state);
  return TRUE;
}

// Starts Korvane.scr as `path` and `arguments` (quoted or not, as Windows may) in a working
// folder (this one's when empty), reads and dismisses its message box if one comes, and waits
// for its end.
Outcome Start(const std::wstring& path, const std::wstring& arguments, bool quoted = true,
              const std::wstring& workingFolder = L"") {
  Outcome o;
  std::wstring commandLine = quoted ? L"\"" + path + L"\"" : path;
  if (!arguments.empty()) commandLine += L" " + arguments;
  ChildProcess child = ChildProcess::Start(path, commandLine, workingFolder);
  o.started = child.started();
  o.startError = child.startError();
  if (!o.started) return o;
  HWND box = nullptr;
  HWND dialog = nullptr;
  WaitUntil([&] {
    return !child.Running() || (box = TopLevelWindowOf(child.id(), kCaption)) != nullptr ||
           (dialog = TopLevelWindowOf(child.id(), L"<Korvane>")) != nullptr;
  }, kTimeoutMs);
  if (dialog) {
    o.dialog = true;
    PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
  }
  if (box) {
    o.message = true;
    // The box is found as soon as its window exists; read it once it has its text and button.
    wchar_t text[256] = {};
    WaitUntil([&] {
      HWND ok = GetDlgItem(box, IDOK);
      return GetDlgItemTextW(box, kMessageTextId, text, 256) > 0 && ok && IsWindowVisible(ok);
    }, kTimeoutMs);
    o.text = text;
    HWND icon = GetDlgItem(box, kMessageIconId);
    o.icon = icon && IsWindowVisible(icon) && SendMessageW(icon, STM_GETICON, 0, 0) != 0;
    EnumChildWindows(box, CountButtons, reinterpret_cast<LPARAM>(&o.buttons));
    HWND ok = GetDlgItem(box, IDOK);
    o.okButton = ok && IsWindowVisible(ok);
    o.waitedForTheMessage = child.Running();
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(ok));
  }
  o.ended = child.WaitExit(kTimeoutMs);
  if (!o.ended) child.Kill();
  o.exitCode = child.ExitCode();
  return o;
}

// Ended by itself with code 0 and showed nothing.
void ExpectQuietEnd(const Outcome& o, const std::string& what) {
  EXPECT_TRUE(o.started) << what << ": " << o;
  EXPECT_TRUE(o.ended && o.exitCode == 0 && !o.message) << what << ": " << o;
}

// Showed the missing-renderer message as it must look, waited for it, then ended with code 0.
void ExpectMissingRendererMessage(const Outcome& o, const std::string& what) {
  EXPECT_TRUE(o.started) << what << ": " << o;
  ASSERT_TRUE(o.message) << what << ": " << o;
  EXPECT_EQ(Utf8(o.text), Utf8(kMissingRenderer)) << what;
  EXPECT_FALSE(o.icon) << what << ": the message has no icon";
  EXPECT_EQ(o.buttons, 1) << what << ": OK only";
  EXPECT_TRUE(o.okButton) << what;
  EXPECT_TRUE(o.waitedForTheMessage) << what << ": the process must wait for the message";
  EXPECT_TRUE(o.ended && o.exitCode == 0) << what << ": " << o;
}

// A program folder laid out for one case. Its renderer is a stand-in that ends at once
// without a window, so a saver start ends as soon as the host sees it gone.
class ProgramFolder {
 public:
  ProgramFolder(const std::wstring& name, bool renderer) : folder_(name) {
    copied_ = CopyInto(BinFile(L"Korvane.scr"), Scr());
    if (renderer) {
      copied_ = copied_ && CopyInto(TestProgramFolder() + L"\\stand_in_renderer.exe",
                                    folder_.File(L"Korvane.dll"));
    }
  }
  bool ready() const { return copied_; }
  std::wstring Scr() const { return folder_.File(L"Korvane.scr"); }
  std::wstring Ini() const { return folder_.File(L"Korvane.ini"); }
  const std::wstring& path() const { return folder_.path(); }

 private:
  TempFolder folder_;
  bool copied_ = false;
};

// A top-level window of this test process with the given title, hidden unless asked.
using TitledWindow = std::unique_ptr<std::remove_pointer_t<HWND>, decltype(&DestroyWindow)>;
TitledWindow Titled(const wchar_t* title, bool visible = false) {
  return {visible ? ShowInactivePlainWindow(0, title, WS_POPUP, 0, 0, 100, 100)
                  : CreatePlainWindow(0, title, WS_POPUP, 0, 0, 100, 100),
          &DestroyWindow};
}

// The argument texts of every shape, with what each asks for.
enum class Asks { kSaver, kPreview, kDialog, kOther };
struct ArgumentCase {
  const char* name;
  std::wstring text;
  Asks asks;
};

std::vector<ArgumentCase> ArgumentCases() {
  return {
      {"/s", L"/s", Asks::kSaver},
      {"/S", L"/S", Asks::kSaver},
      {"-s", L"-s", Asks::kSaver},
      {"xs", L"xs", Asks::kSaver},
      {"no argument", L"", Asks::kSaver},
      {"/p 1234", L"/p 1234", Asks::kPreview},
      {"/p1234", L"/p1234", Asks::kPreview},
      {"/p", L"/p", Asks::kPreview},
      {"/p abc", L"/p abc", Asks::kPreview},
      {"/p huge", L"/p 99999999999999999999", Asks::kPreview},
      {"/c", L"/c", Asks::kDialog},
      {"/c:123", L"/c:123", Asks::kDialog},
      {"/a 99", L"/a 99", Asks::kOther},
      {"s", L"s", Asks::kOther},
      {"/x", L"/x", Asks::kOther},
      {"very long", L"/a" + std::wstring(30000, L'9'), Asks::kOther},
      {"very long saver", L"/s " + std::wstring(30000, L'x'), Asks::kSaver},
      {"full-width s", L"/\uFF53", Asks::kOther},
      {"e acute", L"/\u00E9", Asks::kOther},
      {"kanji then s", L"\u8868s", Asks::kSaver},
  };
}

// Korvane.scr's message boxes and dialogs close at once on a desktop without a window manager.
const auto* const kUnmanagedWindows =
    ::testing::AddGlobalTestEnvironment(new UnmanagedWindows(L"Korvane.scr"));

class ShellProgram : public ::testing::Test {
 protected:
  void TearDown() override {
    // No Korvane.scr of a failed case may outlive it.
    EXPECT_EQ(FindWindowW(nullptr, kCaption), nullptr) << "a message box was left open";
  }
};

TEST_F(ShellProgram, RunsUnderTheCodePageThisRunWasStartedFor) {
  ASSERT_EQ(GetACP(), ExpectedCodePage());
}

TEST_F(ShellProgram, WithTheRendererPresentEveryRequestEndsQuietlyAndWritesNoSettingsFile) {
  // A saver start ends once its (stand-in) renderer has gone; the settings dialog comes up,
  // and closing it ends the process.
  ProgramFolder folder(L"korvane e2e renderer present", true);
  ASSERT_TRUE(folder.ready());
  for (const ArgumentCase& c : ArgumentCases()) {
    const Outcome o = Start(folder.Scr(), c.text);
    ExpectQuietEnd(o, c.name);
    EXPECT_EQ(o.dialog, c.asks == Asks::kDialog) << c.name << ": " << o;
    EXPECT_EQ(FolderEntries(folder.path()), std::vector<std::wstring>({L"Korvane.dll", L"Korvane.scr"}))
        << c.name;
  }
}

TEST_F(ShellProgram, WithTheRendererMissingEveryRequestButThePreviewShowsTheMessage) {
  ProgramFolder folder(L"korvane e2e renderer missing", false);
  ASSERT_TRUE(folder.ready());
  for (const ArgumentCase& c : ArgumentCases()) {
    const Outcome o = Start(folder.Scr(), c.text);
    if (c.asks == Asks::kPreview) {
      ExpectQuietEnd(o, c.name);
    } else {
      ExpectMissingRendererMessage(o, c.name);
    }
  }
}


TEST_F(ShellProgram, ARunningSaverHostOrSettingsDialogEndsEveryStartSilently) {
  ProgramFolder folder(L"korvane e2e single instance", false);
  ASSERT_TRUE(folder.ready());
  for (const wchar_t* title : {L"Korvane_Main", L"<Korvane>"}) {
    for (bool visible : {false, true}) {
      const TitledWindow running = Titled(title, visible);
      ASSERT_NE(running, nullptr);
      const std::string what = Utf8(title) + (visible ? " shown" : " hidden");
      for (const wchar_t* text : {L"/s", L"", L"/c", L"/a 1", L"/p 1234"}) {
        ExpectQuietEnd(Start(folder.Scr(), text), what + ", " + Utf8(text));
      }
    }
  }
}

TEST_F(ShellProgram, ARendererFileThatIsAFolderIsMissingAndARunningPreviewOrRendererDoesNotBlock) {
  // Either fault would keep the missing-renderer message from showing.
  ProgramFolder folder(L"korvane e2e renderer folder", false);
  ASSERT_TRUE(folder.ready());
  ASSERT_TRUE(CreateDirectoryW((folder.path() + L"\\Korvane.dll").c_str(), nullptr));
  const TitledWindow others[] = {Titled(L"Preview Window"), Titled(L"Korvane_VC"), Titled(L"korvane_main ")};
  ExpectMissingRendererMessage(Start(folder.Scr(), L"/s"), "/s past other windows");
}

TEST_F(ShellProgram, FindsItsRendererFromAnyFolderNameAndPathShape) {
  // A name outside the code page reaches the A functions only through its short form; code
  // pages 932 and 65001 hold Japanese names whole.
  const wchar_t* outside = GetACP() == 932 ? L"korvane e2e Korvan\u00E9"
                                           : L"korvane e2e \u30B3\u30EB\u30F4\u30A1\u30CD";
  for (const wchar_t* name : {outside, L"korvane e2e \u30D7\u30ED\u30B0\u30E9\u30E0 \u30D5\u30A9\u30EB\u30C0"}) {
    if (GetACP() == 1252 && name != outside) continue;
    ProgramFolder folder(name, true);
    ASSERT_TRUE(folder.ready()) << Utf8(name);
    ExpectQuietEnd(Start(folder.Scr(), L"/s"), Utf8(name) + ", quoted");
    ExpectQuietEnd(Start(folder.Scr(), L"/p 1234"), Utf8(name) + ", /p");
    ExpectQuietEnd(Start(folder.Scr(), L"/a 1", false), Utf8(name) + ", unquoted");
    ExpectQuietEnd(Start(folder.Scr(), L"/c", false), Utf8(name) + ", unquoted /c");
    DeleteFileW((folder.path() + L"\\Korvane.dll").c_str());
    ExpectMissingRendererMessage(Start(folder.Scr(), L"/s"), Utf8(name) + ", renderer removed");
  }
}

TEST_F(ShellProgram, StartsFromAnyWorkingFolderAndLooksOnlyInItsOwn) {
  ProgramFolder withRenderer(L"korvane e2e own folder", true);
  ProgramFolder without(L"korvane e2e other folder", false);
  ASSERT_TRUE(withRenderer.ready() && without.ready());
  // Started from a folder that holds a renderer, the one without must still miss its own.
  ExpectMissingRendererMessage(Start(without.Scr(), L"/s", true, withRenderer.path()),
                               "the working folder holds a renderer");
}

TEST_F(ShellProgram, SettingsFilesOfEveryKindNeitherStopItNorGetWritten) {
  std::string junk;
  for (int i = 0; i < 8192; ++i) junk.push_back(static_cast<char>((i * 2654435761u) >> 24));
  const std::string longPath = "C:\\" + std::string(300, 'm') + ".mp3";
  struct Case {
    const char* name;
    std::string bytes;  // what Korvane.ini holds
    bool folder;        // Korvane.ini is a folder instead
  };
  const Case cases[] = {
      {"saved settings", kSavedSettings, false},
      {"empty", "", false},
      {"junk", junk, false},
      {"NULs", std::string(5000, '\0'), false},
      {"out of range", "[Section]\r\n" + kKind + "=99999999\r\n" + kTrack + "=-1e30\r\n", false},
      {"no numbers", "[Section]\r\n" + kKind + "=abc\r\n" + kTrack + "=\x82\x51\r\n", false},
      {"300-byte path", "[Section]\r\n" + kKind + "= 2\r\n" + kFile + "=" + longPath + "\r\n", false},
      {"keys repeated", "[Section]\r\n" + kKind + "= 1\r\n" + kKind + "= 2\r\n" + kKind + "=x\r\n", false},
      {"Japanese path", "[Section]\r\n" + kKind + "= 2\r\n" + kFile + "=C:\\\x89\xB9\x8A\x79\\\x95\x5C.mp3\r\n", false},
      {"a folder named Korvane.ini", "", true},
  };
  for (const Case& c : cases) {
    for (bool renderer : {true, false}) {
      ProgramFolder folder(L"korvane e2e settings", renderer);
      ASSERT_TRUE(folder.ready());
      if (c.folder) {
        ASSERT_TRUE(CreateDirectoryW(folder.Ini().c_str(), nullptr));
      } else {
        ASSERT_TRUE(WriteBytes(folder.Ini(), c.bytes));
      }
      const std::vector<std::wstring> entries = FolderEntries(folder.path());
      const std::string what = std::string(c.name) + (renderer ? ", renderer present" : ", renderer missing");
      for (const wchar_t* text : {L"/s", L"/c", L"/a 1"}) {
        const Outcome o = Start(folder.Scr(), text);
        if (renderer) {
          ExpectQuietEnd(o, what + ", " + Utf8(text));
        } else {
          ExpectMissingRendererMessage(o, what + ", " + Utf8(text));
        }
      }
      if (!c.folder) {
        EXPECT_EQ(Hex(ReadBytes(folder.Ini())), Hex(c.bytes)) << what;
      }
      EXPECT_EQ(FolderEntries(folder.path()), entries) << what << ": a file was written";
    }
  }
}

TEST_F(ShellProgram, RunsFromAReadOnlyProgramFolder) {
  const std::wstring root = KORVANE_READONLY_DIR;
  const std::wstring withRenderer = root + L"\\with-renderer\\Korvane.scr";
  const std::wstring without = root + L"\\without-renderer\\Korvane.scr";
  if (GetFileAttributesW(root.c_str()) == INVALID_FILE_ATTRIBUTES) {
    GTEST_SKIP() << "this machine may not mount";
  }
  const std::string saved = ReadBytes(root + L"\\with-renderer\\Korvane.ini");
  ASSERT_FALSE(saved.empty()) << "the read-only folder holds no settings file";
  for (const wchar_t* text : {L"/s", L"", L"/c", L"/a 1", L"/p 1234"}) {
    ExpectQuietEnd(Start(withRenderer, text), "read-only, " + Utf8(text));
  }
  ExpectMissingRendererMessage(Start(without, L"/s"), "read-only, renderer missing");
  EXPECT_EQ(ReadBytes(root + L"\\with-renderer\\Korvane.ini"), saved);
}

TEST_F(ShellProgram, AStartedProgramKeepsThisRunsCodePage) {
  // What the other cases rely on for "under code page 932 / 1252": Korvane.scr, started from
  // here, runs with this program's code page. A probe program reports it.
  TempFolder folder(L"korvane e2e code page");
  ASSERT_TRUE(CopyInto(TestProgramFolder() + L"\\toolkit_probe.exe", folder.File(L"probe.exe")));
  ChildProcess probe = ChildProcess::Start(folder.File(L"probe.exe"), L"probe.exe");
  ASSERT_TRUE(probe.WaitExit(kTimeoutMs));
  const std::string report = ReadBytes(folder.File(L"probe-report.txt"));
  EXPECT_NE(report.find("acp=" + std::to_string(ExpectedCodePage()) + "\n"), std::string::npos) << report;
}

}  // namespace
