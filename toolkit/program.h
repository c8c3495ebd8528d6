#pragma once
// The running program: its argument text and folder, starting other programs, ending it.
#include <windows.h>

#include <string>

#include "toolkit/gdi_object.h"

namespace toolkit {

// The command line after the program's path, without the separating blanks.
std::wstring ArgumentText();

// The full path of the running program's file.
std::wstring ProgramPath();

// The folder that holds the running program, from its module path (never the working
// folder), without a trailing backslash: "C:\Savers", or "C:" for a drive's root.
std::wstring ProgramFolder();

// The same folder for the A functions. When its name has characters outside the ANSI code
// page, the short (8.3) form is used so that the path still reaches the folder.
std::string ProgramFolderAnsi();

// A process started by StartProgram; its handle is released with the object.
class StartedProgram {
 public:
  StartedProgram() = default;
  explicit StartedProgram(HANDLE process) : process_(process) {}
  // False when the process could not be created.
  explicit operator bool() const { return static_cast<bool>(process_); }
  // True once the process has ended, and for a process that was never created.
  bool Ended() const;

 private:
  KernelHandle process_;
};

// Starts a program file as a new process with a normal, activated window and does not wait;
// first passes on this process's right to set the foreground window, so that the new
// window can come to the front.
// Exactly that file runs, whatever blanks its path holds; the command line is the path alone.
StartedProgram StartProgram(const std::wstring& path);

// Ends the process at once with exit code 0: no further window or form event runs.
[[noreturn]] void EndProcess();

}  // namespace toolkit
