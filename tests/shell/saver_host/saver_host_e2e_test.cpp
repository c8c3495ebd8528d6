// Whole saver runs: the real Korvane.scr /s starting the real Korvane.dll with the music the
// settings file asks for, ended with Escape as a user would, watched from outside.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "harness/files.h"
#include "harness/sound_capture.h"
#include "harness/test_media.h"
#include "harness/wait.h"
#include "tests/support/unmanaged_windows.h"
#include "tests/support/wine_process.h"

namespace {

constexpr unsigned kStartMs = 30000;
// The host looks for the renderer's window every 500 ms; allow for a loaded machine.
constexpr unsigned kHostEndMs = 3000;

const std::string kKind = "BGM\x8B\xE6\x95\xAA";
const std::string kTrack = "BGM\xD8\xCB\xDF\xB0\xC4";
const std::string kFile = "BGM\xCC\xA7\xB2\xD9";

std::string Settings(int kind, const std::string& file, int track = 0) {
  return "[Section]\r\n" + kKind + "= " + std::to_string(kind) + "\r\n" + kTrack + "= " +
         std::to_string(track) + "\r\n" + kFile + "=" + file + "\r\n";
}

// A program folder with Korvane.scr and a renderer: the real one unless told otherwise.
class SaverFolder {
 public:
  explicit SaverFolder(const std::wstring& name, const std::wstring& renderer = BinFile(L"Korvane.dll"))
      : folder_(name) {
    ready_ = CopyInto(BinFile(L"Korvane.scr"), Scr()) && CopyInto(renderer, File(L"Korvane.dll"));
  }
  bool ready() const { return ready_; }
  std::wstring Scr() const { return File(L"Korvane.scr"); }
  std::wstring File(const std::wstring& name) const { return folder_.File(name); }
  const std::wstring& path() const { return folder_.path(); }

 private:
  TempFolder folder_;
  bool ready_ = false;
};

ChildProcess StartShell(const std::wstring& scr, const std::wstring& arguments) {
  std::wstring line = L"\"" + scr + L"\"";
  if (!arguments.empty()) line += L" " + arguments;
  return ChildProcess::Start(scr, line);
}

// The renderer found by its window, opened so its exit code can be read after it ends.
class RendererProcess {
 public:
  explicit RendererProcess(HWND window) {
    DWORD id = WindowProcessId(window);
    process_ = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE, FALSE, id);
  }
  ~RendererProcess() {
    if (process_) CloseHandle(process_);
  }
  RendererProcess(const RendererProcess&) = delete;
  RendererProcess& operator=(const RendererProcess&) = delete;
  bool WaitExit(unsigned ms) const {
    return process_ && WaitUntil([&] { return WaitForSingleObject(process_, 0) == WAIT_OBJECT_0; }, ms);
  }
  DWORD ExitCode() const {
    DWORD code = 0xDEADBEEF;
    GetExitCodeProcess(process_, &code);
    return code;
  }
  void Kill() const { TerminateProcess(process_, 7); }

 private:
  HANDLE process_ = nullptr;
};

// The key messages of an Escape press, sent to the renderer's window itself: where the
// keyboard focus sits on a desktop without a window manager is not this test's subject
// (the renderer's own tests press the real key).
void PressEscape(HWND renderer) {
  PostMessageW(renderer, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
  PostMessageW(renderer, WM_KEYUP, VK_ESCAPE, 0xC0010001);
}

bool Loud(const SoundCapture& capture, std::uint64_t mark) {
  return !FindSoundRuns(capture.BlockPeaksSince(mark)).empty();
}

// The renderer's window closes at once on a desktop without a window manager.
const auto* const kUnmanaged = ::testing::AddGlobalTestEnvironment(new UnmanagedWindows(L"Korvane.dll"));

class SaverHost : public ::testing::Test {
 protected:
  void TearDown() override {
    // Nothing of a failed case may live on into the next one.
    if (HWND w = FindWindowW(nullptr, L"Korvane_VC")) PostMessageW(w, WM_CLOSE, 0, 0);
    WaitForNoWindow(L"Korvane_VC", 10000);
    WaitForNoWindow(L"Korvane_Main", kHostEndMs);
  }
  SoundCapture capture_;
};

bool CursorShowing() {
  CURSORINFO info{};
  info.cbSize = sizeof info;
  GetCursorInfo(&info);
  return (info.flags & CURSOR_SHOWING) != 0;
}

TEST_F(SaverHost, HidesTheCursorForSlashSAndGivesItBackAfterEitherStart) {
  SaverFolder folder(L"korvane host cursor");
  ASSERT_TRUE(folder.ready());
  // First in this program: a renderer killed by a later case never shows its cursor again.
  ASSERT_TRUE(CursorShowing());
  for (const wchar_t* arguments : {L"/s", L""}) {
    SCOPED_TRACE(Utf8(arguments));
    ChildProcess host = StartShell(folder.Scr(), arguments);
    HWND window = WaitForWindow(L"Korvane_VC", kStartMs);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(WaitUntil([] { return !CursorShowing(); }, 3000)) << "cursor shown during the run";
    PostMessageW(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(host.WaitExit(10000 + kHostEndMs));
    EXPECT_TRUE(WaitUntil(CursorShowing, 3000)) << "the cursor did not come back";
  }
}

struct MusicCase {
  const char* name;
  int kind;
  const wchar_t* file;  // made in the program folder; empty for none
  bool heard;
};

TEST_F(SaverHost, PlaysTheChosenMusicUntilEscapeEndsRendererHostAndMusic) {
  ASSERT_TRUE(capture_.available());
  const MusicCase cases[] = {
      {"no music", 0, L"", false},
      {"WAV", 2, L"tone.wav", true},
      {"MP3", 2, L"tone.mp3", true},
      {"CD without a drive", 1, L"", false},
      {"unknown kind 7", 7, L"tone.wav", false},
  };
  for (const MusicCase& c : cases) {
    SCOPED_TRACE(c.name);
    SaverFolder folder(L"korvane host music");
    ASSERT_TRUE(folder.ready());
    std::string file;
    if (*c.file) {
      std::wstring path = folder.File(c.file);
      if (std::wstring(c.file) == L"tone.mp3") {
        ASSERT_TRUE(CopyInto(KORVANE_TEST_MEDIA_DIR L"\\tone.mp3", path));
      } else {
        ASSERT_TRUE(WriteBytes(path, ToneWaveBytes({{0.5, 660}, {0.5, 0}})));
      }
      file = AnsiPath(path);
    }
    ASSERT_TRUE(WriteBytes(folder.File(L"Korvane.ini"), Settings(c.kind, file)));

    const std::uint64_t start = capture_.FramesNow();
    ChildProcess host = StartShell(folder.Scr(), L"/s");
    ASSERT_TRUE(host.started());
    HWND window = WaitForWindow(L"Korvane_VC", kStartMs);
    ASSERT_NE(window, nullptr) << "the renderer's window did not appear";
    EXPECT_NE(FindWindowW(nullptr, L"Korvane_Main"), nullptr) << "the host's hidden window";
    RendererProcess renderer(window);
    if (c.heard) {
      EXPECT_TRUE(WaitUntil([&] { return Loud(capture_, start); }, 15000)) << "no music was heard";
    } else {
      ASSERT_TRUE(capture_.WaitForSeconds(start, 4.0, 15000));
      EXPECT_FALSE(Loud(capture_, start)) << "music played where none was chosen";
    }
    EXPECT_TRUE(host.Running()) << "the host must wait for the renderer";

    PressEscape(window);
    ASSERT_TRUE(renderer.WaitExit(10000)) << "Escape did not end the renderer";
    EXPECT_EQ(renderer.ExitCode(), 0u);
    EXPECT_TRUE(host.WaitExit(kHostEndMs)) << "the host outlived its renderer";
    EXPECT_EQ(host.ExitCode(), 0u);
    // The capture must go quiet and stay quiet once the host has ended.
    const std::uint64_t ended = capture_.FramesNow();
    ASSERT_TRUE(capture_.WaitForSeconds(ended, 2.0, 10000));
    EXPECT_GE(SilentTailSeconds(capture_.BlockPeaksSince(ended)), 1.5) << "music went on";
  }
}

TEST_F(SaverHost, WhileItRunsEveryNewStartEndsAtOnceAndAfterItANewSaverStarts) {
  SaverFolder folder(L"korvane host single");
  ASSERT_TRUE(folder.ready());
  ChildProcess host = StartShell(folder.Scr(), L"/s");
  HWND window = WaitForWindow(L"Korvane_VC", kStartMs);
  ASSERT_NE(window, nullptr);
  for (const wchar_t* arguments : {L"/s", L"", L"/p 1234", L"/c", L"/a 1"}) {
    ChildProcess second = StartShell(folder.Scr(), arguments);
    EXPECT_TRUE(second.WaitExit(10000)) << "a second start with " << Utf8(arguments) << " went on";
    EXPECT_EQ(second.ExitCode(), 0u);
  }
  EXPECT_EQ(FindWindowW(nullptr, L"Korvane_VC"), window) << "a second renderer was started";
  PostMessageW(window, WM_CLOSE, 0, 0);
  ASSERT_TRUE(host.WaitExit(10000 + kHostEndMs));

  ChildProcess again = StartShell(folder.Scr(), L"/s");
  HWND next = WaitForWindow(L"Korvane_VC", kStartMs);
  ASSERT_NE(next, nullptr) << "a new saver did not start after the first ended";
  PostMessageW(next, WM_CLOSE, 0, 0);
  EXPECT_TRUE(again.WaitExit(10000 + kHostEndMs));
}

TEST_F(SaverHost, ARendererKilledFromOutsideEndsTheHostAndItsMusic) {
  SaverFolder folder(L"korvane host killed");
  ASSERT_TRUE(folder.ready());
  ASSERT_TRUE(WriteBytes(folder.File(L"tone.wav"), ToneWaveBytes({{0.5, 660}, {0.5, 0}})));
  ASSERT_TRUE(WriteBytes(folder.File(L"Korvane.ini"), Settings(2, AnsiPath(folder.File(L"tone.wav")))));
  ChildProcess host = StartShell(folder.Scr(), L"/s");
  HWND window = WaitForWindow(L"Korvane_VC", kStartMs);
  ASSERT_NE(window, nullptr);
  RendererProcess renderer(window);
  renderer.Kill();
  ASSERT_TRUE(renderer.WaitExit(10000));
  EXPECT_TRUE(host.WaitExit(kHostEndMs));
  const std::uint64_t ended = capture_.FramesNow();
  ASSERT_TRUE(capture_.WaitForSeconds(ended, 2.0, 10000));
  EXPECT_GE(SilentTailSeconds(capture_.BlockPeaksSince(ended)), 1.5) << "music went on";
}

TEST_F(SaverHost, ARendererThatEndsAtOnceOrIsNoProgramEndsTheHostWithoutHanging) {
  struct RendererCase {
    const char* name;
    std::wstring file;  // copied as Korvane.dll; empty: a file of text
  };
  const RendererCase cases[] = {
      {"ends at once", TestProgramFolder() + L"\\stand_in_renderer.exe"},
      {"not a program", L""},
  };
  for (const RendererCase& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder(L"korvane host odd renderer");
    ASSERT_TRUE(CopyInto(BinFile(L"Korvane.scr"), folder.File(L"Korvane.scr")));
    if (c.file.empty()) {
      ASSERT_TRUE(WriteBytes(folder.File(L"Korvane.dll"), "this is not a program\r\n"));
    } else {
      ASSERT_TRUE(CopyInto(c.file, folder.File(L"Korvane.dll")));
    }
    ChildProcess host = StartShell(folder.File(L"Korvane.scr"), L"/s");
    EXPECT_TRUE(host.WaitExit(5000)) << "the host waits for a renderer that will never come";
    EXPECT_EQ(host.ExitCode(), 0u);
  }
}

TEST_F(SaverHost, StartsExactlyTheRendererInAProgramFolderWithBlanks) {
  // "C:\...\korvane host\Program Files\Korvane.scr": Windows reading the unquoted renderer path
  // would first try "...\korvane" and "...\korvane host\Program" as programs. Put a trap there.
  TempFolder outer(L"korvane host");
  const std::wstring inner = outer.File(L"Program Files");
  ASSERT_TRUE(CreateDirectoryW(inner.c_str(), nullptr));
  ASSERT_TRUE(CopyInto(BinFile(L"Korvane.scr"), inner + L"\\Korvane.scr"));
  ASSERT_TRUE(CopyInto(BinFile(L"Korvane.dll"), inner + L"\\Korvane.dll"));
  const std::wstring trap = outer.File(L"Program.exe");
  ASSERT_TRUE(CopyInto(TestProgramFolder() + L"\\toolkit_probe.exe", trap));
  ChildProcess host = StartShell(inner + L"\\Korvane.scr", L"/s");
  HWND window = WaitForWindow(L"Korvane_VC", kStartMs);
  ASSERT_NE(window, nullptr) << "Korvane.dll did not start from a folder with blanks";
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(host.WaitExit(10000 + kHostEndMs));
  EXPECT_TRUE(ReadBytes(outer.File(L"probe-report.txt")).empty()) << "another program was started";
}

}  // namespace
