// The running program as a started program sees it: its argument text, its folder (also for
// the A functions), and starting another program. A probe program reports what it sees.
#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/environment.h"
#include "harness/files.h"
#include "harness/wait.h"
#include "tests/support/wine_process.h"
#include "toolkit/program.h"
#include "harness/replaced_calls.h"
#include "toolkit/start_program_calls.h"

namespace {

constexpr unsigned kRunTimeoutMs = 30000;

using Report = std::map<std::string, std::string>;

Report ParseReport(const std::string& bytes) {
  Report report;
  std::istringstream lines(bytes);
  std::string line;
  while (std::getline(lines, line)) {
    const std::size_t equals = line.find('=');
    if (equals != std::string::npos) report[line.substr(0, equals)] = line.substr(equals + 1);
  }
  return report;
}

// A copy of the probe in a folder of the test's choosing.
class Probe {
 public:
  explicit Probe(const std::wstring& folderName) : folder_(folderName) {
    copied_ = CopyInto(TestProgramFolder() + L"\\toolkit_probe.exe", path());
  }
  bool copied() const { return copied_; }
  std::wstring path() const { return folder_.File(L"probe.exe"); }
  const std::wstring& folder() const { return folder_.path(); }
  std::wstring ReportFile() const { return folder_.File(L"probe-report.txt"); }

  Report Run(const std::wstring& commandLine, const std::wstring& workingDir = L"") const {
    DeleteFileW(ReportFile().c_str());
    ChildProcess child = ChildProcess::Start(path(), commandLine, workingDir);
    EXPECT_TRUE(child.WaitExit(kRunTimeoutMs)) << "the probe did not end";
    EXPECT_EQ(child.ExitCode(), 0u) << "the probe could not write its report";
    return ParseReport(ReadBytes(ReportFile()));
  }

 private:
  TempFolder folder_;
  bool copied_ = false;
};

TEST(RunningProgram, SeesItsArgumentTextWhateverShapeItsPathWasGivenIn) {
  // The command line: `before`, the probe's path, `after`.
  const struct { const wchar_t *before, *after, *expected; } cases[] = {
      {L"\"", L"\" /s", L"/s"},     {L"\"", L"\"\t/p 123", L"/p 123"},
      {L"\"", L"\"/c", L"/c"},      {L"", L" /s", L"/s"},  // unquoted, with blanks
      {L"\"", L"\" /a  99 ", L"/a  99 "}, {L"\"", L"\" /\uFF53 \u00E9\u8868", L"/\uFF53 \u00E9\u8868"},
      {L"\"", L"\"", L""},
  };
  Probe probe(L"toolkit probe \u30C6\u30B9\u30C8");
  ASSERT_TRUE(probe.copied());
  for (const auto& c : cases) {
    const std::wstring commandLine = c.before + probe.path() + c.after;
    const Report report = probe.Run(commandLine);
    EXPECT_EQ(report.count("argument") ? report.at("argument") : "(no report)", Utf8(c.expected))
        << "command line: " << Utf8(commandLine);
  }
}

// Also in the code page this run was started for, which a started program keeps.
TEST(RunningProgram, FindsItsFolderFromItsOwnPathAlsoThroughAnsiTextInItsCodePage) {
  ASSERT_EQ(GetACP(), ExpectedCodePage()) << "the bench did not give the code page asked for";
  // "é" has no code page 932 form; Japanese has no code page 1252 form.
  const wchar_t* outside = GetACP() == 932 ? L"toolkit probe Korvan\u00E9"
                                           : L"toolkit probe \u30B3\u30EB\u30F4\u30A1\u30CD";
  TempFolder elsewhere(L"toolkit working folder");
  for (const wchar_t* name : {outside, L"toolkit probe plain"}) {
    SCOPED_TRACE(Utf8(name));
    Probe probe(name);
    ASSERT_TRUE(probe.copied());
    Report report = probe.Run(L"\"" + probe.path() + L"\" /s", elsewhere.path());
    EXPECT_EQ(report["folder"], Utf8(probe.folder())) << "not the working folder";
    EXPECT_EQ(report["folder_ansi_reaches_folder"], "1");
    EXPECT_EQ(report["acp"], std::to_string(ExpectedCodePage()));
  }
  EXPECT_EQ(GetFileAttributesW(elsewhere.File(L"probe-report.txt").c_str()), INVALID_FILE_ATTRIBUTES);
}

// What StartProgram asked of Windows, in order; each call goes on to the real one.
std::vector<std::string> startCalls;
BOOL WINAPI RecordAllowSetForeground(DWORD process) {
  startCalls.push_back("AllowSetForegroundWindow " + std::to_string(static_cast<long>(process)));
  return AllowSetForegroundWindow(process);
}
BOOL WINAPI RecordCreateProcess(LPCWSTR a, LPWSTR b, LPSECURITY_ATTRIBUTES c, LPSECURITY_ATTRIBUTES d,
                                BOOL e, DWORD f, LPVOID g, LPCWSTR h, LPSTARTUPINFOW i,
                                LPPROCESS_INFORMATION j) {
  startCalls.push_back("CreateProcessW");
  return CreateProcessW(a, b, c, d, e, f, g, h, i, j);
}

TEST(StartProgram, StartsAProgramWithANormalActivatedWindowAndThePathAloneAndReportsWhatItCannotStart) {
  Probe probe(L"toolkit started program");
  ASSERT_TRUE(probe.copied());
  // An activated window needs the right to set the foreground, which a hidden host holds
  // only to pass on, and only before the new process exists ("The system restricts which
  // processes can set the foreground window", SetForegroundWindow and AllowSetForegroundWindow
  // on learn.microsoft.com). Wine grants the foreground to anyone, so the calls are checked.
  bool started = false;
  {
    ReplacedCalls<toolkit::StartProgramCalls, toolkit::ReplaceStartProgramCalls> recorded(
        {&RecordAllowSetForeground, &RecordCreateProcess});
    startCalls.clear();
    started = static_cast<bool>(toolkit::StartProgram(probe.path()));
  }
  ASSERT_TRUE(started);
  EXPECT_EQ(startCalls, (std::vector<std::string>{"AllowSetForegroundWindow -1", "CreateProcessW"}));
  std::string bytes;
  ASSERT_TRUE(WaitUntil([&] {
    bytes = ReadBytes(probe.ReportFile());
    return bytes.find("show=") != std::string::npos;
  }, kRunTimeoutMs)) << "the started program wrote no report";
  Report report = ParseReport(bytes);
  EXPECT_EQ(report["command_line"], Utf8(probe.path())) << "the path alone, not quoted";
  EXPECT_EQ(report["argument"], "") << "an unquoted path with blanks is still the program's own";
  EXPECT_EQ(report["show"], std::to_string(SW_SHOWNORMAL));
  // Let it finish before its folder goes.
  WaitUntil([&] { return DeleteFileW(probe.path().c_str()) != FALSE; }, kRunTimeoutMs);

  EXPECT_FALSE(toolkit::StartProgram(probe.folder() + L"\\missing.exe")) << "a missing file is reported";
  EXPECT_FALSE(toolkit::StartProgram(probe.folder())) << "a folder is reported";
}

}  // namespace
