#include "shell/music/ansi_text.h"

#include <windows.h>

#include <vector>

std::string AnsiFromUtf8(const char* utf8) {
  const int wideLength = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
  if (wideLength <= 0) return {};
  std::vector<wchar_t> wide(static_cast<std::size_t>(wideLength));
  MultiByteToWideChar(CP_UTF8, 0, utf8, -1, wide.data(), wideLength);
  const int ansiLength =
      WideCharToMultiByte(CP_ACP, 0, wide.data(), -1, nullptr, 0, nullptr, nullptr);
  if (ansiLength <= 0) return {};
  std::vector<char> ansi(static_cast<std::size_t>(ansiLength));
  WideCharToMultiByte(CP_ACP, 0, wide.data(), -1, ansi.data(), ansiLength, nullptr, nullptr);
  return std::string(ansi.data());
}
