// The argument text taken from a command line of every shape a starter may produce.
#include <gtest/gtest.h>

#include <string>

#include "toolkit/command_line.h"

namespace {

struct Case {
  int row;
  const wchar_t* commandLine;
  const wchar_t* programPath;
  const wchar_t* expected;
};

const Case kCases[] = {
    {0, L"\"C:\\Program Files\\Korvane.scr\" /s", L"", L"/s"},
    {1, L"\"C:\\x\\Korvane.scr\"\t/p 123", L"", L"/p 123"},
    {2, L"\"C:\\x\\Korvane.scr\"/c", L"", L"/c"},  // no separator after the quote
    {3, L"\"C:\\x\\Korvane.scr\"", L"", L""},
    {4, L"\"C:\\x\\Korvane.scr\"  \t ", L"", L""},
    {5, L"C:\\x\\Korvane.scr /s", L"", L"/s"},
    {6, L"C:\\x\\Korvane.scr\t\t /s", L"", L"/s"},
    {7, L"C:\\x\\Korvane.scr", L"", L""},
    {8, L"Korvane.scr /a  99 ", L"", L"/a  99 "},  // inner and trailing blanks are the argument's
    {9, L"\"C:\\x\\K.scr\" /\uFF53 \u00E9", L"", L"/\uFF53 \u00E9"},
    {10, L"\"C:\\unterminated /s", L"", L""},  // an unclosed quote runs to the end
    {11, L"", L"", L""},
    // A path with blanks that its starter did not quote is recognised as the program's own.
    {12, L"C:\\My Savers\\Korvane.scr /s", L"C:\\My Savers\\Korvane.scr", L"/s"},
    {13, L"c:\\my savers\\KORVANE.SCR\t/s", L"C:\\My Savers\\Korvane.scr", L"/s"},
    {14, L"C:\\My Savers\\Korvane.scr", L"C:\\My Savers\\Korvane.scr", L""},
    // Anything else that starts unquoted ends at its first blank, as everyone splits it.
    {15, L"C:\\My Savers\\Korvane.scr /s", L"", L"Savers\\Korvane.scr /s"},
    {16, L"C:\\My Savers\\Korvane.scrx /s", L"C:\\My Savers\\Korvane.scr", L"Savers\\Korvane.scrx /s"},
    {17, L"\"C:\\My Savers\\Korvane.scr\" /s", L"C:\\My Savers\\Korvane.scr", L"/s"},
};

TEST(ArgumentText, IsWhatFollowsTheProgramPathWithoutTheSeparatingBlanks) {
  for (const Case& c : kCases) {
    EXPECT_EQ(std::wstring(toolkit::ArgumentTextOf(c.commandLine, c.programPath)), c.expected)
        << "row " << c.row;
  }
}

TEST(ArgumentText, KeepsAVeryLongArgumentWhole) {
  const std::wstring argument = L"/s" + std::wstring(30000, L'x');
  EXPECT_EQ(std::wstring(toolkit::ArgumentTextOf(L"\"C:\\a b\\K.scr\" " + argument)), argument);
}

}  // namespace
