// The named-value store hosted controls keep with their forms.
#include "toolkit/controls/property_bag.h"

#include <gtest/gtest.h>

namespace {

using toolkit::controls::PropertyBag;

toolkit::Font Gothic975() {
  toolkit::Font font;
  font.face = L"\uFF2D\uFF33 \uFF30\u30B4\u30B7\u30C3\u30AF";
  font.points = 9.75;
  font.charset = 128;
  return font;
}

TEST(PropertyBagTest, WritingAValueEqualToItsDefaultStoresNothing) {
  PropertyBag bag;
  bag.WriteProperty<bool>("Enabled", true, true);
  bag.WriteProperty<std::wstring>("Caption", L"Command", L"Command");
  bag.WriteProperty<std::uint8_t>("FirstRun", 1, 1);
  bag.WriteProperty<toolkit::Font>("Font", Gothic975(), Gothic975());
  bag.WriteProperty<std::int32_t>("FontColour", 0, 0);
  bag.WriteProperty<std::int16_t>("Visible", 1, 1);
  for (const char* name : {"Enabled", "Caption", "FirstRun", "Font", "FontColour", "Visible"}) {
    EXPECT_EQ(bag.Find(name), nullptr) << name;
  }

  toolkit::Font bold = Gothic975();
  bold.weight = 700;
  bag.WriteProperty<bool>("Enabled", false, true);
  bag.WriteProperty<toolkit::Font>("Font", bold, Gothic975());
  EXPECT_EQ(bag.ReadProperty<bool>("Enabled", true), false);
  EXPECT_EQ(bag.ReadProperty<toolkit::Font>("Font", Gothic975()), bold);
}

TEST(PropertyBagTest, WritingTheDefaultOverAnEarlierValueRemovesIt) {
  PropertyBag bag;
  bag.WriteProperty<std::wstring>("Caption", L"OK", L"Command");
  bag.WriteProperty<std::wstring>("caption", L"Command", L"Command");
  EXPECT_EQ(bag.Find("Caption"), nullptr);
  EXPECT_EQ(bag.ReadProperty<std::wstring>("Caption", L"Command1"), L"Command1");
}

TEST(PropertyBagTest, AbsentNamesReadAsTheReadDefault) {
  PropertyBag bag;
  bag.Set("Other", std::int32_t{5});
  EXPECT_EQ(bag.ReadProperty<bool>("Enabled", true), true);
  EXPECT_EQ(bag.ReadProperty<std::wstring>("Caption", L"Command1"), L"Command1");
  EXPECT_EQ(bag.ReadProperty<std::uint8_t>("FirstRun", 1), 1);
  EXPECT_EQ(bag.ReadProperty<toolkit::Font>("Font", Gothic975()), Gothic975());
}

TEST(PropertyBagTest, NamesMatchInAnyLetterCase) {
  PropertyBag bag;
  bag.Set("caption", std::wstring(L"設定"));
  bag.Set("font", Gothic975());
  EXPECT_EQ(bag.ReadProperty<std::wstring>("Caption", L""), L"設定");
  EXPECT_EQ(bag.ReadProperty<std::wstring>("CAPTION", L""), L"設定");
  EXPECT_EQ(bag.ReadProperty<toolkit::Font>("Font", {}), Gothic975());
  bag.Set("CAPTION", std::wstring(L"OK"));
  EXPECT_EQ(bag.ReadProperty<std::wstring>("Caption", L""), L"OK");
  EXPECT_TRUE(bag.Remove("caption"));
  EXPECT_EQ(bag.Find("Caption"), nullptr) << "one value under both spellings";
  EXPECT_EQ(bag.Find("Captio"), nullptr);
  EXPECT_EQ(bag.Find("Caption "), nullptr);
}

struct ConversionRow {
  int index;
  toolkit::controls::PropertyValue stored;
  std::int64_t expected;  // what ReadProperty gives with the default -99 (or 7 for u8)
  char type;              // 'b' bool, 'u' uint8, 's' int16, 'i' int32
};

TEST(PropertyBagTest, StoredNumbersReadAsOtherNumberTypesOnlyWhenTheyFit) {
  const ConversionRow rows[] = {
      {0, std::int32_t{5}, 5, 'u'},
      {1, std::int32_t{300}, 7, 'u'},  // too big: default
      {2, std::int16_t{-1}, 7, 'u'},   // negative: default
      {3, true, -1, 's'},              // True is -1
      {4, false, 0, 'i'},
      {5, std::int16_t{-1}, 1, 'b'},  // any non-zero number is True
      {6, std::uint8_t{0}, 0, 'b'},
      {7, std::int32_t{40000}, -99, 's'},
      {8, std::wstring(L"5"), -99, 'i'},  // text is not a number
      {9, Gothic975(), -99, 's'},
  };
  for (const ConversionRow& row : rows) {
    PropertyBag bag;
    bag.Set("V", row.stored);
    std::int64_t got = 0;
    switch (row.type) {
      case 'b': got = bag.ReadProperty<bool>("V", false) ? 1 : 0; break;
      case 'u': got = bag.ReadProperty<std::uint8_t>("V", 7); break;
      case 's': got = bag.ReadProperty<std::int16_t>("V", -99); break;
      case 'i': got = bag.ReadProperty<std::int32_t>("V", -99); break;
    }
    EXPECT_EQ(got, row.expected) << "row " << row.index;
  }
}

}  // namespace
