#include "shell/settings/ini_file.h"

#include <windows.h>

#include <cstring>

#include "shell/settings/music_settings.h"

namespace {
constexpr DWORD kValueBufferSize = kIniValueMaxBytes + 1;  // and the NUL
}

std::string ReadIni(const std::string& section, const std::string& key, const std::string& file) {
  char buffer[kValueBufferSize];
  std::memset(buffer, 0, sizeof buffer);
  GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer, kValueBufferSize, file.c_str());
  return std::string(buffer, strnlen(buffer, kValueBufferSize - 1));
}

bool WriteIni(const std::string& section, const std::string& key, const std::string& value,
              const std::string& file) {
  LastResult = WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str());
  return LastResult != 0;
}
