// The text form in which a host keeps a control's named values with its form.
#include "toolkit/user_control/property_text.h"

#include <gtest/gtest.h>

namespace {

using toolkit::user_control::FontDescription;
using toolkit::user_control::PropertyBag;
using toolkit::user_control::PropertyValue;

TEST(PropertyTextTest, EveryValueTypeAndAnyTextSurviveTheRoundTripByteForByte) {
  PropertyBag bag;
  FontDescription font;
  font.face = "\x82\x6c\x82\x72\x20\x82\x6f\x83\x53\x83\x56\x83\x62\x83\x4e";
  font.sizeTenThousandths = 97500;
  font.weight = 700;
  font.italic = true;
  font.strikethrough = true;
  font.charset = 128;
  bag.Set("_extentx", std::int32_t{2037});
  bag.Set("Enabled", false);
  // "ソ表" in code page 932: both trail bytes are backslashes.
  bag.Set("Caption", std::string("\x83\x5c\x95\x5c \"q\" a\\b\r\n\t\x01\x7f end"));
  bag.Set("Empty", std::string());
  bag.Set("FirstRun", std::uint8_t{0});
  bag.Set("Font", font);
  bag.Set("FontColour", std::int32_t{INT32_MIN});
  bag.Set("Visible", std::int16_t{-32768});

  PropertyBag back =
      toolkit::user_control::ParsePropertyText(toolkit::user_control::FormatPropertyText(bag));

  ASSERT_EQ(back.Entries().size(), bag.Entries().size());
  for (size_t i = 0; i < bag.Entries().size(); ++i) {
    EXPECT_EQ(back.Entries()[i].first, bag.Entries()[i].first) << i;
    EXPECT_TRUE(back.Entries()[i].second == bag.Entries()[i].second) << bag.Entries()[i].first;
  }
}

TEST(PropertyTextTest, IsWrittenOneValueALineWithItsType) {
  PropertyBag bag;
  bag.Set("Caption", std::string("OK"));
  bag.Set("Enabled", false);
  FontDescription font;
  font.face = "Tahoma";
  font.sizeTenThousandths = 82500;
  font.charset = 0;
  bag.Set("Font", font);
  EXPECT_EQ(toolkit::user_control::FormatPropertyText(bag),
            "Caption = str \"OK\"\r\n"
            "Enabled = bool False\r\n"
            "Font = font \"Tahoma\" 8.25 400 0 0 0 0\r\n");
}

TEST(PropertyTextTest, LinesThatCannotBeReadAreSkippedAndTheRestIsKept) {
  const char* badLines[] = {
      "NoEquals str \"x\"",
      " = str \"no name\"",
      "A = str \"no closing quote",
      "A = str \"bad escape \\q\"",
      "A = str \"short hex \\x4\"",
      "A = str \"x\" trailing",
      "A = u8 256",
      "A = u8 -1",
      "A = i16 32768",
      "A = i32 99999999999999999999",
      "A = i32 12x",
      "A = bool true",
      "A = float 1.5",
      "A = font \"Arial\" 9 400 0 0 0",      // one field short
      "A = font \"Arial\" 0 400 0 0 0 0",    // no size
      "A = font \"Arial\" 9 400 0 0 0 256",  // no such character set
      "A =",
      "",
  };
  for (const char* bad : badLines) {
    std::string text = std::string("Before = i32 1\n") + bad + "\nAfter = i32 2\n";
    PropertyBag bag = toolkit::user_control::ParsePropertyText(text);
    EXPECT_EQ(bag.Find("A"), nullptr) << bad;
    EXPECT_EQ(bag.ReadProperty<std::int32_t>("Before", 0), 1) << bad;
    EXPECT_EQ(bag.ReadProperty<std::int32_t>("After", 0), 2) << bad;
  }
}

TEST(PropertyTextTest, ReadsBothLineEndsAndALaterLineOfTheSameNameInAnyCaseWins) {
  PropertyBag bag = toolkit::user_control::ParsePropertyText(
      "  Caption  =  str  \"one\"\r\ncaption = str \"two\"\nFont = font \"\" 12.5 400 0 1 0 1");
  ASSERT_EQ(bag.Entries().size(), 2u);
  EXPECT_EQ(bag.ReadProperty<std::string>("CAPTION", ""), "two");
  FontDescription font = bag.ReadProperty<FontDescription>("font", {});
  EXPECT_EQ(font.sizeTenThousandths, 125000);
  EXPECT_TRUE(font.underline);
  EXPECT_EQ(font.charset, 1);
}

}  // namespace
