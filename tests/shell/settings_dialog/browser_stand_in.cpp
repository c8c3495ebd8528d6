// Stands in for the web browser in the settings dialog's tests:
//   browser_stand_in <report file> <what the browser was asked to open>
// adds the second argument, in UTF-8, as a line to the report file, and ends: one line a
// launch.
#include <windows.h>
#include <shellapi.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!arguments || count < 3) return 2;
  char text[4096] = {};
  const int length = WideCharToMultiByte(CP_UTF8, 0, arguments[2], -1, text, sizeof text - 1,
                                         nullptr, nullptr);
  // Launches at the same time take turns: the file is opened for this one alone.
  HANDLE report = INVALID_HANDLE_VALUE;
  for (int tries = 0; tries < 100 && report == INVALID_HANDLE_VALUE; ++tries) {
    report = CreateFileW(arguments[1], FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (report == INVALID_HANDLE_VALUE) Sleep(50);
  }
  if (report == INVALID_HANDLE_VALUE) return 1;
  text[length > 0 ? length - 1 : 0] = '\n';
  DWORD written = 0;
  WriteFile(report, text, length > 0 ? length : 1, &written, nullptr);
  CloseHandle(report);
  LocalFree(arguments);
  return 0;
}
