// Text handed to the A functions: exact in the system's code page, or reported as not.
#include <gtest/gtest.h>
#include <windows.h>

#include "toolkit/ansi_text.h"

namespace {

TEST(AnsiText, AsciiIsExactInEveryCodePage) {
  bool exact = false;
  EXPECT_EQ(toolkit::ToAnsi(L"C:\\Savers\\Korvane.ini", &exact), "C:\\Savers\\Korvane.ini");
  EXPECT_TRUE(exact);
  EXPECT_EQ(toolkit::FromAnsi("C:\\Savers"), L"C:\\Savers");
  EXPECT_EQ(toolkit::ToAnsi(L"", &exact), "");
  EXPECT_TRUE(exact);
}

TEST(AnsiText, ReportsACharacterTheCodePageLacksInsteadOfALookAlike) {
  bool exact = true;
  if (GetACP() == 932) {
    // No best fit: "é" must not quietly become "e" and name another file.
    const std::string text = toolkit::ToAnsi(L"Korvan\u00E9", &exact);
    EXPECT_FALSE(exact) << text;
    EXPECT_NE(text, "Korvane");
    EXPECT_EQ(toolkit::ToAnsi(L"\u8868", &exact), "\x95\x5C");  // 表: trail byte is a backslash
    EXPECT_TRUE(exact);
    EXPECT_EQ(toolkit::FromAnsi("\x95\x5C"), L"\u8868");
  } else {
    toolkit::ToAnsi(L"\u30B3\u30EB", &exact);
    EXPECT_FALSE(exact);
  }
}

TEST(AnsiText, LeadBytesFollowTheCodePage) {
  const bool doubleByte = GetACP() == 932;
  EXPECT_EQ(toolkit::IsAnsiLeadByte(0x95), doubleByte);
  EXPECT_EQ(toolkit::IsAnsiLeadByte(0xE0), doubleByte);
  EXPECT_FALSE(toolkit::IsAnsiLeadByte('\\'));
  EXPECT_FALSE(toolkit::IsAnsiLeadByte(0xB2));  // half-width katakana are one byte
}

}  // namespace
