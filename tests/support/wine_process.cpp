#include "tests/support/wine_process.h"

#include <gtest/gtest.h>

#include <vector>

#include "harness/files.h"
#include "harness/wait.h"

std::wstring BinDir() {
  const char* dir = KORVANE_BIN_DIR;
  std::wstring wide(dir, dir + strlen(dir));
  return wide;
}

std::wstring BinFile(const wchar_t* name) { return BinDir() + L"\\" + name; }

ChildProcess::ChildProcess(ChildProcess&& other) noexcept
    : process_(other.process_), id_(other.id_), startError_(other.startError_) {
  other.process_ = nullptr;
}

ChildProcess& ChildProcess::operator=(ChildProcess&& other) noexcept {
  if (this != &other) {
    if (process_) CloseHandle(process_);
    process_ = other.process_;
    id_ = other.id_;
    startError_ = other.startError_;
    other.process_ = nullptr;
  }
  return *this;
}

ChildProcess::~ChildProcess() {
  if (process_) CloseHandle(process_);
}

ChildProcess ChildProcess::Start(const std::wstring& program, const std::wstring& commandLine,
                                 const std::wstring& workingDir) {
  ChildProcess child;
  std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
  line.push_back(L'\0');
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  auto start = [&] {
    return CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          workingDir.empty() ? nullptr : workingDir.c_str(), &startup, &info);
  };
  // On a loaded machine Wine now and then answers ERROR_INTERNAL_ERROR: the new process ended
  // with no status before its program's code ran. Such a start tells nothing about the
  // program, so it is made once more; a second refusal is reported.
  BOOL started = start();
  if (!started && GetLastError() == ERROR_INTERNAL_ERROR) started = start();
  if (started) {
    CloseHandle(info.hThread);
    child.process_ = info.hProcess;
    child.id_ = info.dwProcessId;
  } else {
    child.startError_ = GetLastError();
    ADD_FAILURE() << "could not start " << Utf8(program) << " as [" << Utf8(commandLine)
                  << "]: CreateProcessW failed with " << ErrorText(child.startError_);
  }
  return child;
}

std::string ErrorText(DWORD error) {
  wchar_t text[256] = {};
  FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text,
                 256, nullptr);
  std::string trimmed = Utf8(text);
  while (!trimmed.empty() && (trimmed.back() == '\n' || trimmed.back() == '\r' || trimmed.back() == ' ')) {
    trimmed.pop_back();
  }
  return "error " + std::to_string(error) + " (" + trimmed + ")";
}

bool ChildProcess::WaitExit(unsigned timeoutMs) const {
  if (!process_) return true;
  return WaitUntil([this] { return WaitForSingleObject(process_, 0) == WAIT_OBJECT_0; },
                   timeoutMs);
}

bool ChildProcess::Running() const {
  return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

DWORD ChildProcess::ExitCode() const {
  DWORD code = 0xDEADBEEF;
  if (process_) GetExitCodeProcess(process_, &code);
  return code;
}

void ChildProcess::Kill() {
  if (Running()) {
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, 5000);
  }
}

HWND WaitForWindow(const wchar_t* title, unsigned timeoutMs) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindWindowW(nullptr, title)) != nullptr; }, timeoutMs);
  return found;
}

bool WaitForNoWindow(const wchar_t* title, unsigned timeoutMs) {
  return WaitUntil([&] { return FindWindowW(nullptr, title) == nullptr; }, timeoutMs);
}

namespace {

struct TitleSearch {
  DWORD process;
  const wchar_t* title;
  bool visibleOnly;
  HWND found;
};

BOOL CALLBACK FindTitled(HWND window, LPARAM state) {
  auto* search = reinterpret_cast<TitleSearch*>(state);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->process || (search->visibleOnly && !IsWindowVisible(window))) return TRUE;
  wchar_t title[128] = {};
  GetWindowTextW(window, title, 128);
  if (lstrcmpW(title, search->title) != 0) return TRUE;
  search->found = window;
  return FALSE;
}

}  // namespace

HWND TopLevelWindowOf(DWORD process, const wchar_t* title, bool visibleOnly) {
  TitleSearch search{process, title, visibleOnly, nullptr};
  EnumWindows(FindTitled, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

DWORD WindowProcessId(HWND window) {
  DWORD id = 0;
  GetWindowThreadProcessId(window, &id);
  return id;
}
