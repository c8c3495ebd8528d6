// Text handed to the A functions: exact in the system's code page, or reported as not.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "harness/replaced_calls.h"
#include "toolkit/ansi_text.h"

namespace {

// WideCharToMultiByte as Windows keeps it: code page 65001 (and the other code pages
// without best-fit tables) take only the flags 0 or WC_ERR_INVALID_CHARS and no default
// character; Wine takes anything.
int WINAPI StrictWideCharToMultiByte(UINT codePage, DWORD flags, LPCWCH text, int length, LPSTR out,
                                     int size, LPCCH defaultChar, LPBOOL usedDefault) {
  const bool strict = codePage == CP_UTF8 || codePage == CP_UTF7 || codePage == 54936 ||
                      (codePage >= 50220 && codePage <= 50229) || (codePage >= 57002 && codePage <= 57011);
  if (strict && (flags & ~static_cast<DWORD>(WC_ERR_INVALID_CHARS)) != 0) {
    SetLastError(ERROR_INVALID_FLAGS);
    return 0;
  }
  if (strict && (defaultChar || usedDefault)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return WideCharToMultiByte(codePage, flags, text, length, out, size, defaultChar, usedDefault);
}

TEST(AnsiText, ConvertsExactlyOrReportsAndMarksWhatTheCodePageCannotHold) {
  struct Case {
    UINT codePage;
    const wchar_t* text;
    std::string bytes;
    bool exact;
  };
  const Case cases[] = {
      {932, L"C:\\Savers\\Korvane.ini", "C:\\Savers\\Korvane.ini", true},
      {932, L"C:\\\u8868 \uFF8C\uFF67\uFF72\uFF99", "C:\\\x95\x5C \xCC\xA7\xB2\xD9", true},  // 表: trail byte '\'
      // No best fit: "é" must not quietly become "e" and name another file, nor "¥" a '\'.
      {932, L"Korvan\u00E9", "Korvan?", false},
      {932, L"a\u00A5b", "a?b", false},
      {1252, L"Korvan\u00E9 \u20AC", "Korvan\xE9 \x80", true},
      {1252, L"K\u014Drvane", "K?rvane", false},
      {1252, L"\u8A2D\u5B9A.ini", "??.ini", false},
      {65001, L"C:\\\u8A2D\u5B9A \u00E9\uFF8C", "C:\\\xE8\xA8\xAD\xE5\xAE\x9A \xC3\xA9\xEF\xBE\x8C", true},
      {65001, L"\U0001F600", "\xF0\x9F\x98\x80", true},
      {65001, L"a\xD800" L"b", "a?b", false},  // a lone surrogate has no UTF-8 form
      {65001, L"", "", true},
  };
  static UINT codePage = 0;
  ReplacedCalls<toolkit::AnsiTextCalls, toolkit::ReplaceAnsiTextCalls> strict(
      {.getAcp = [] () WINAPI { return codePage; }, .wideCharToMultiByte = StrictWideCharToMultiByte});
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "code page " << c.codePage << ", expected " << c.bytes);
    codePage = c.codePage;
    bool exact = !c.exact;
    EXPECT_EQ(toolkit::ToAnsi(c.text, &exact), c.bytes);
    EXPECT_EQ(exact, c.exact);
  }
}

TEST(AnsiText, FollowsTheSystemCodePageBothWays) {
  bool exact = false;
  EXPECT_EQ(toolkit::ToAnsi(L"C:\\Savers\\Korvane.ini", &exact), "C:\\Savers\\Korvane.ini");
  EXPECT_TRUE(exact);
  const std::wstring japanese = L"\u8A2D\u5B9A \uFF8C\uFF67\uFF72\uFF99";
  const std::string ansi = toolkit::ToAnsi(japanese, &exact);
  EXPECT_EQ(exact, GetACP() != 1252);
  if (exact) {
    EXPECT_EQ(toolkit::FromAnsi(ansi), japanese);
  }
  EXPECT_EQ(toolkit::AnsiFromUtf8("\xE8\xA8\xAD\xE5\xAE\x9A"), toolkit::ToAnsi(L"\u8A2D\u5B9A"));
}

TEST(AnsiText, LeadBytesFollowTheCodePage) {
  const bool doubleByte = GetACP() == 932;
  EXPECT_EQ(toolkit::IsAnsiLeadByte(0x95), doubleByte);
  EXPECT_EQ(toolkit::IsAnsiLeadByte(0xE0), doubleByte);
  EXPECT_FALSE(toolkit::IsAnsiLeadByte('\\'));
  EXPECT_FALSE(toolkit::IsAnsiLeadByte(0xB2));  // half-width katakana are one byte
}

}  // namespace
