#include "toolkit/ansi_text.h"

#include <windows.h>

namespace toolkit {

std::string ToAnsi(std::wstring_view text, bool* exact) {
  if (exact) *exact = true;
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  BOOL replaced = FALSE;
  const int size =
      WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), length, nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
  if (size > 0) {
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), length, result.data(), size,
                        nullptr, &replaced);
  }
  if (exact) *exact = size > 0 && !replaced;
  return result;
}

std::wstring FromAnsi(std::string_view text) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int size = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
  std::wstring result(static_cast<std::size_t>(size > 0 ? size : 0), L'\0');
  if (size > 0) MultiByteToWideChar(CP_ACP, 0, text.data(), length, result.data(), size);
  return result;
}

bool IsAnsiLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }

}  // namespace toolkit
