// toolkit_probe.exe: writes what it sees of itself to probe-report.txt in its program folder
// (UTF-8, one name=value a line), then ends. The tests start it in odd ways.
#include <windows.h>

#include <string>

#include "harness/files.h"
#include "toolkit/ansi_text.h"
#include "toolkit/program.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  GetStartupInfoW(&startup);
  const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;

  const std::string folderAnsi = toolkit::ProgramFolderAnsi();
  const DWORD attributes = GetFileAttributesA(folderAnsi.c_str());
  const bool ansiReachesFolder =
      attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);

  std::string report;
  report += "acp=" + std::to_string(GetACP()) + "\n";
  report += "command_line=" + Utf8(GetCommandLineW()) + "\n";
  report += "argument=" + Utf8(toolkit::ArgumentText()) + "\n";
  report += "folder=" + Utf8(toolkit::ProgramFolder()) + "\n";
  report += "folder_ansi_reaches_folder=" + std::to_string(ansiReachesFolder ? 1 : 0) + "\n";
  report += "show=" + std::to_string(show) + "\n";

  const std::wstring file = toolkit::ProgramFolder() + L"\\probe-report.txt";
  HANDLE handle = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  WriteFile(handle, report.data(), static_cast<DWORD>(report.size()), &written, nullptr);
  CloseHandle(handle);
  return 0;
}
