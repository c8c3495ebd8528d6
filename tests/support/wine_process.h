#pragma once
// Starting and watching the shipped programs from outside, as Windows would.
#include <windows.h>

#include <string>

// The folder that holds the freshly built Korvane.scr and Korvane.dll.
std::wstring BinDir();
std::wstring BinFile(const wchar_t* name);

// A started process; the handle is released with the object.
class ChildProcess {
 public:
  ChildProcess() = default;
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;
  ChildProcess(ChildProcess&& other) noexcept;
  ChildProcess& operator=(ChildProcess&& other) noexcept;
  ~ChildProcess();

  // `commandLine` is passed as is; the program is `program` (full path). A start that fails
  // is a test failure of its own, with the program and the system's error code, whatever the
  // caller goes on to check.
  static ChildProcess Start(const std::wstring& program, const std::wstring& commandLine,
                            const std::wstring& workingDir = L"");
  bool started() const { return process_ != nullptr; }
  // GetLastError of a start that failed; 0 after one that did not.
  DWORD startError() const { return startError_; }
  DWORD id() const { return id_; }
  HANDLE handle() const { return process_; }
  // Waits up to timeoutMs; true when the process has ended.
  bool WaitExit(unsigned timeoutMs) const;
  bool Running() const;
  DWORD ExitCode() const;
  void Kill();

 private:
  HANDLE process_ = nullptr;
  DWORD id_ = 0;
  DWORD startError_ = 0;
};

// "error N (the system's text for it)".
std::string ErrorText(DWORD error);

// A top-level window with this exact title, visible or not; waits up to timeoutMs.
HWND WaitForWindow(const wchar_t* title, unsigned timeoutMs);
// Waits until no top-level window has this title.
bool WaitForNoWindow(const wchar_t* title, unsigned timeoutMs);
// A top-level window of `process` with exactly this title (visible ones only if asked), or null.
HWND TopLevelWindowOf(DWORD process, const wchar_t* title, bool visibleOnly = false);
// The id of the process that owns the window.
DWORD WindowProcessId(HWND window);
