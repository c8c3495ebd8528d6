#include "shell/settings/file_paths.h"

#include <windows.h>

#include "shell/text/path_text.h"
#include "toolkit/ansi_text.h"
#include "toolkit/gdi_object.h"

bool FileOpensForReading(const std::wstring& path) {
  // Opening as a reader would: others may be reading or writing the file meanwhile.
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const toolkit::KernelHandle opened(file);  // closed again at once: the open was the question
  return true;
}

bool FileExists(const std::string& path) {
  const std::string name = WithoutTrailingBackslash(path, toolkit::IsAnsiLeadByte);
  return !name.empty() && FileOpensForReading(toolkit::FromAnsi(name));
}

std::string FolderOf(const std::string& path) {
  return FolderPartOf(path, toolkit::IsAnsiLeadByte);
}
