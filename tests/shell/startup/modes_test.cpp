// The mode letter and the preview handle, read from argument texts of every shape.
#include <gtest/gtest.h>

#include <string>

#include "shell/startup/modes.h"

namespace {

TEST(ModeLetter, IsTheSecondCharacterUpperCasedAndTheFirstIsNeverExamined) {
  struct Case {
    int row;
    const wchar_t* text;
    wchar_t expected;
  };
  const Case cases[] = {
      {0, L"", 0},          {1, L"s", 0},  // fewer than two characters: no letter
      {2, L"/s", L'S'},     {3, L"/S", L'S'},      {4, L"-s", L'S'},     {5, L"xs", L'S'},
      {6, L"/p 1234", L'P'}, {7, L"/c:123", L'C'}, {8, L"/a 99", L'A'},  {9, L"s/", L'/'},
      {10, L"/\uFF53", L'\uFF53'},  // full-width s stays itself
      {11, L"/\u00E9", L'\u00E9'},  {12, L"/\u017F", L'\u017F'},  // long s is not S
      {13, L"/ s", L' '},   {14, L"/z", L'Z'},     {15, L"/1", L'1'},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(static_cast<int>(ModeLetter(c.text)), static_cast<int>(c.expected)) << "row " << c.row;
  }
}

TEST(ParentWindowNumber, ReadsLenientlyFromTheFourthCharacterOfTheUnchangedText) {
  struct Case {
    int row;
    const wchar_t* text;
    std::int32_t expected;
  };
  const Case cases[] = {
      {0, L"/p 1234", 1234},    {1, L"/p1234", 234},  // no separator: the first digit is lost
      {2, L"/p", 0},            {3, L"/p ", 0},          {4, L"/p abc", 0},
      {5, L"/p 12ab", 12},      {6, L"/p 99999999999", 0},  // does not fit: none
      {7, L"/p -5", -5},        {8, L"/p 2147483647", 2147483647},
      {9, L"/p 2147483648", 0}, {10, L"/P 7", 7},       {11, L"/p\t 12 34", 1234},
      {12, L"/p 1.5", 2},       {13, L"/p 2.5", 2},     {14, L"/p 1e3", 1000},
      {15, L"/p 1e999", 0},     {16, L"/p \uFF11", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(ParentWindowNumber(c.text), c.expected) << "row " << c.row;
  EXPECT_EQ(ParentWindowNumber(L"/p " + std::wstring(30000, L'7')), 0) << "a very long number";
}

}  // namespace
