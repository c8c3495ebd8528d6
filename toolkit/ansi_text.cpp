#include "toolkit/ansi_text.h"

namespace toolkit {
namespace {

AnsiTextCalls calls;

// No flags and no default character: code page 65001 and others refuse them, and exactness
// is checked by converting back instead.
std::string Convert(UINT codePage, std::wstring_view text) {
  const int length = static_cast<int>(text.size());
  const int size = calls.wideCharToMultiByte(codePage, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return {};
  std::string result(static_cast<std::size_t>(size), '\0');
  if (calls.wideCharToMultiByte(codePage, 0, text.data(), length, result.data(), size, nullptr, nullptr) !=
      size) {
    return {};
  }
  return result;
}

std::wstring ToWide(UINT codePage, std::string_view text) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int size = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
  if (size <= 0) return {};
  std::wstring result(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), length, result.data(), size);
  return result;
}

// Converted without flags, a best-fit look-alike or the default character only shows in
// the way back.
bool Exact(UINT codePage, std::wstring_view text, const std::string& bytes) {
  return !bytes.empty() && ToWide(codePage, bytes) == text;
}

}  // namespace

AnsiTextCalls ReplaceAnsiTextCalls(AnsiTextCalls replacement) {
  const AnsiTextCalls previous = calls;
  calls = replacement;
  return previous;
}

std::string ToAnsi(std::wstring_view text, bool* exact) {
  const UINT codePage = calls.getAcp();
  if (exact) *exact = true;
  if (text.empty()) return {};
  std::string whole = Convert(codePage, text);
  if (Exact(codePage, text, whole)) return whole;
  if (exact) *exact = false;
  // Character by character (a surrogate pair is one): a path must not name another file
  // through a look-alike letter.
  std::string result;
  for (std::size_t i = 0; i < text.size();) {
    const bool pair = IS_HIGH_SURROGATE(text[i]) && i + 1 < text.size() && IS_LOW_SURROGATE(text[i + 1]);
    const std::wstring_view one = text.substr(i, pair ? 2 : 1);
    const std::string bytes = Convert(codePage, one);
    result += Exact(codePage, one, bytes) ? bytes : "?";
    i += one.size();
  }
  return result;
}

std::wstring FromAnsi(std::string_view text) { return ToWide(CP_ACP, text); }

std::string AnsiFromUtf8(const char* utf8) {
  return ToAnsi(ToWide(CP_UTF8, utf8 ? std::string_view(utf8) : std::string_view()));
}

bool IsAnsiLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }

}  // namespace toolkit
