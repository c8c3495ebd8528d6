#pragma once
// The calls StartProgram makes, in order: a seam for the foreground rule Wine does not enforce
// (under Wine any process may take the foreground; on Windows only one given the right).
#include <windows.h>

namespace toolkit {

struct StartProgramCalls {
  BOOL(WINAPI* allowSetForegroundWindow)(DWORD processId) = &AllowSetForegroundWindow;
  BOOL(WINAPI* createProcess)(LPCWSTR, LPWSTR, LPSECURITY_ATTRIBUTES, LPSECURITY_ATTRIBUTES, BOOL,
                              DWORD, LPVOID, LPCWSTR, LPSTARTUPINFOW,
                              LPPROCESS_INFORMATION) = &CreateProcessW;
};

// Returns the calls it replaces; pass them back to restore them.
StartProgramCalls ReplaceStartProgramCalls(StartProgramCalls calls);

}  // namespace toolkit
