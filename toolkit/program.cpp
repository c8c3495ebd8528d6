#include "toolkit/program.h"

#include <windows.h>

#include <vector>

#include "toolkit/ansi_path.h"
#include "toolkit/ansi_text.h"
#include "toolkit/command_line.h"
#include "toolkit/start_program_calls.h"

namespace toolkit {
namespace {

StartProgramCalls calls;

std::wstring FolderPart(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L'\\');
  return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

}  // namespace

std::wstring ArgumentText() {
  const wchar_t* line = GetCommandLineW();
  return std::wstring(ArgumentTextOf(line ? line : L"", ProgramPath()));
}

std::wstring ProgramPath() {
  // Long paths do not fit MAX_PATH; grow until the name is not cut.
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) return std::wstring(buffer.data(), length);
    if (buffer.size() >= 32768) return std::wstring(buffer.data(), length);
    buffer.resize(buffer.size() * 2);
  }
}

std::wstring ProgramFolder() { return FolderPart(ProgramPath()); }

std::string ProgramFolderAnsi() {
  const std::wstring folder = ProgramFolder();
  // Without a form the A functions can reach, the folder's "?" text at least names it.
  return AnsiPath(folder).value_or(ToAnsi(folder));
}

bool StartedProgram::Ended() const {
  return !process_ || WaitForSingleObject(process_.get(), 0) != WAIT_TIMEOUT;
}

StartProgramCalls ReplaceStartProgramCalls(StartProgramCalls replacement) {
  const StartProgramCalls previous = calls;
  calls = replacement;
  return previous;
}

StartedProgram StartProgram(const std::wstring& path) {
  std::vector<wchar_t> commandLine(path.begin(), path.end());
  commandLine.push_back(L'\0');
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  // A window comes to the front only from a process allowed to set the foreground; ours may
  // hold that right (started by the user or the system) while its own windows stay hidden, so
  // it passes it on before the new process exists. Where we hold none this does nothing.
  calls.allowSetForegroundWindow(ASFW_ANY);
  // The application name fixes the file: with blanks in an unquoted command line alone,
  // Windows would first try programs named by the path's first words.
  if (!calls.createProcess(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                           nullptr, &startup, &process)) {
    return StartedProgram();
  }
  const KernelHandle thread(process.hThread);  // nothing waits on the thread
  return StartedProgram(process.hProcess);
}

void EndProcess() { ExitProcess(0); }

}  // namespace toolkit
