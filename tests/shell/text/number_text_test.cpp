// Number text: the lenient rule for the preview handle, the strict whole-number rule for
// settings values, and the written form with its leading blank.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "shell/text/number_text.h"

namespace {

struct LenientCase {
  int row;
  const char* text;
  double expected;
};

const LenientCase kLenientCases[] = {
    {0, "", 0},          {1, "1234", 1234},     {2, "  12 34 ", 1234},  // blanks anywhere
    {3, "\t1\n2", 12},   {4, "12abc", 12},      {5, "abc", 0},
    {6, "-5", -5},       {7, "+7", 7},          {8, "- 5", -5},
    {9, "1.5", 1.5},     {10, ".5", 0.5},       {11, "1.2.3", 1.2},
    {12, "1e3", 1000},   {13, "1E+2x", 100},    {14, "1e", 1},
    {15, "1e-", 1},      {16, "&H10", 0},       {17, "1,000", 1},
    {18, "\r5", 0},      {19, "--1", 0},        {20, "99999999999", 99999999999.0},
    {21, "0x1F", 0},     {22, "\xEF\xBC\x91", 0},  // a full-width digit is no digit
};

TEST(LenientNumber, ReadsTheNumberAtTheStartSkippingBlanksTabsAndLineFeeds) {
  for (const LenientCase& c : kLenientCases) {
    EXPECT_DOUBLE_EQ(LenientNumber(std::string_view(c.text)), c.expected) << "row " << c.row;
    const std::string narrow = c.text;
    const std::wstring wide(narrow.begin(), narrow.end());
    EXPECT_DOUBLE_EQ(LenientNumber(std::wstring_view(wide)), c.expected) << "row " << c.row << " (wide)";
  }
}

TEST(LenientNumber, StopsAtAnyCharacterOutsideAscii) {
  EXPECT_DOUBLE_EQ(LenientNumber(std::wstring_view(L"12\u00E93")), 12);
  EXPECT_DOUBLE_EQ(LenientNumber(std::wstring_view(L"\uFF11\uFF12")), 0);
  EXPECT_DOUBLE_EQ(LenientNumber(std::wstring_view(L"7\u30003")), 7);  // an ideographic space is no blank
}

TEST(LenientNumber, GivesInfinityForANumberTooLargeForADouble) {
  EXPECT_TRUE(std::isinf(LenientNumber(std::string_view("1e999"))));
  EXPECT_TRUE(std::isinf(LenientNumber(std::string_view(std::string(400, '9')))));
}

TEST(RoundToInt32, RoundsHalvesToEvenAndRefusesWhatDoesNotFit) {
  struct Case {
    int row;
    double value;
    std::optional<std::int32_t> expected;
  };
  const Case cases[] = {
      {0, 234.0, 234},
      {1, 2.5, 2},
      {2, 3.5, 4},
      {3, -2.5, -2},
      {4, 0.49, 0},
      {5, 2147483647.0, 2147483647},
      {6, 2147483647.4, 2147483647},
      {7, 2147483647.5, std::nullopt},
      {8, -2147483648.0, std::numeric_limits<std::int32_t>::min()},
      {9, -2147483648.5, std::numeric_limits<std::int32_t>::min()},
      {10, -2147483649.0, std::nullopt},
      {11, 99999999999.0, std::nullopt},
      {12, std::numeric_limits<double>::infinity(), std::nullopt},
      {13, std::numeric_limits<double>::quiet_NaN(), std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(RoundToInt32(c.value), c.expected) << "row " << c.row;
}

struct WholeCase {
  int row;
  const char* text;
  std::optional<std::int16_t> expected;
};

const WholeCase kWholeCases[] = {
    {0, " 2", 2},          {1, "2", 2},               {2, "2.9", 2},
    {3, "-1", -1},         {4, "-0.5", -1},           {5, "-1.5", -2},  // rounded down
    {6, "32767", 32767},   {7, "32767.9", 32767},     {8, "32768", std::nullopt},
    {9, "-32768", -32768}, {10, "-32768.5", std::nullopt},
    {11, "abc", std::nullopt}, {12, "2abc", std::nullopt}, {13, "", std::nullopt},
    {14, "   ", std::nullopt}, {15, "1 2", std::nullopt},  {16, "1e2", 100},
    {17, "1e", std::nullopt},  {18, ".", std::nullopt},    {19, "+3", 3},
    {20, "\t3\t", 3},          {21, "3.", 3},              {22, ".9", 0},
    {23, "1e5", std::nullopt}, {24, "\x82\x51", std::nullopt},  // full-width 2 in code page 932
    {25, "99999999999999999999", std::nullopt}, {26, "1e400", std::nullopt},
    {27, "- 1", std::nullopt}, {28, "0x10", std::nullopt}, {29, "&H10", std::nullopt},
};

TEST(WholeNumber16, TakesTheWholePartOfATextThatIsOneNumber) {
  for (const WholeCase& c : kWholeCases) {
    EXPECT_EQ(WholeNumber16(c.text), c.expected) << "row " << c.row << ": \"" << c.text << "\"";
  }
  EXPECT_EQ(WholeNumber16(std::string_view("2\0", 2)), std::nullopt) << "a NUL is no blank";
}

TEST(LoadedSettingNumber, EmptyGivesZeroANumberItsWholePartAnythingElseThePreviousValue) {
  EXPECT_EQ(LoadedSettingNumber("", 5), 0);
  EXPECT_EQ(LoadedSettingNumber(" 2", 5), 2);
  EXPECT_EQ(LoadedSettingNumber("2.9", 0), 2);
  EXPECT_EQ(LoadedSettingNumber("abc", 0), 0);
  EXPECT_EQ(LoadedSettingNumber("abc", 1), 1);
  EXPECT_EQ(LoadedSettingNumber("40000", 1), 1);
  EXPECT_EQ(LoadedSettingNumber("-1", 1), -1);
}

TEST(NumberText, PutsABlankBeforeANumberThatIsNotNegative) {
  EXPECT_EQ(NumberText(0), " 0");
  EXPECT_EQ(NumberText(2), " 2");
  EXPECT_EQ(NumberText(-1), "-1");
  EXPECT_EQ(NumberText(32767), " 32767");
  EXPECT_EQ(NumberText(-32768), "-32768");
  for (int value : {-32768, -7, 0, 1, 30, 32767}) {
    const auto number = static_cast<std::int16_t>(value);
    EXPECT_EQ(WholeNumber16(NumberText(number)), number) << "written text must load back";
  }
}

}  // namespace
