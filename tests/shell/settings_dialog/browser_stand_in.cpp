// Stands in for the web browser in the settings dialog's tests:
//   browser_stand_in <report file> <what the browser was asked to open>
// writes the second argument, in UTF-8, to the report file, and ends.
#include <windows.h>
#include <shellapi.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!arguments || count < 3) return 2;
  char text[4096] = {};
  const int length = WideCharToMultiByte(CP_UTF8, 0, arguments[2], -1, text, sizeof text - 1,
                                         nullptr, nullptr);
  HANDLE report = CreateFileW(arguments[1], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (report == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  WriteFile(report, text, length > 0 ? length - 1 : 0, &written, nullptr);
  CloseHandle(report);
  LocalFree(arguments);
  return 0;
}
