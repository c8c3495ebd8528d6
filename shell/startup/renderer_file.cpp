#include "shell/startup/renderer_file.h"

#include <windows.h>

std::wstring RendererFileIn(const std::wstring& folder) { return folder + L"\\Korvane.dll"; }

bool RendererPresentIn(const std::wstring& folder) {
  // Opened as the settings' file check opens files: others may be reading it meanwhile.
  HANDLE file = CreateFileW(RendererFileIn(folder).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}
