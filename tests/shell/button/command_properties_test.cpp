// The button's stored properties as its container saves and loads them with the form, and how
// a new button sets itself up on the first read of Enabled.
#include "tests/shell/button/button_fixture.h"

namespace {

constexpr wchar_t kCancelCaption[] = L"\uFF77\uFF6C\uFF9D\uFF7E\uFF99";  // "ｷｬﾝｾﾙ", half-width
constexpr std::int32_t kRed = 0x0000FF;

toolkit::Font TahomaBoldItalic() {
  return {.face = L"Tahoma", .points = 12, .weight = 700, .italic = true, .charset = 0};
}

using NameList = std::vector<std::string>;

// The names the button stored, of those it has.
NameList Names(const PropertyBag& bag) {
  NameList names;
  for (const char* name : {"Enabled", "Caption", "FirstRun", "Font", "FontColour", "Visible"}) {
    if (bag.Find(name)) names.push_back(name);
  }
  return names;
}

const NameList kDefaultsOnly{};
const NameList kNotYetEnabled{"Enabled", "FirstRun", "Font"};

using CommandPropertiesTest = ButtonTest;

TEST_F(CommandPropertiesTest, SavingAndLoadingTheFormKeepsEveryProperty) {
  Command& button = Load(PropertyBag(), 615, 315);
  button.Caption(kCancelCaption);
  button.Font(TahomaBoldItalic());
  button.FontColour(kRed);
  button.Visible(false);
  button.Enabled(false);
  PropertyBag saved = Saved();
  EXPECT_EQ(Names(saved), (NameList{"Enabled", "Caption", "Font", "FontColour", "Visible"}));

  Command& again = Load(saved, 1155, 375);
  EXPECT_EQ(again.Caption(), kCancelCaption);
  EXPECT_EQ(again.Font(), TahomaBoldItalic());
  EXPECT_EQ(Names(Saved()), Names(saved)) << "disabled, FirstRun 1, invisible: the same values";
  EXPECT_FALSE(again.Visible());
  EXPECT_EQ(again.FontColour(), kRed);
  EXPECT_TRUE(CaptionGreyed()) << "disabled";
  again.Visible(true);
  EXPECT_EQ(SkinShown(), Skin::Disable);
}

TEST_F(CommandPropertiesTest, AbsentNamesGiveTheReadDefaultsAndWriteDefaultsAreLeftOut) {
  Command& button = Load(PropertyBag());
  EXPECT_EQ(Names(Saved()), kDefaultsOnly) << "enabled, FirstRun 1: nothing but the defaults";
  EXPECT_EQ(button.Caption(), L"Command") << "one default for write and read";
  EXPECT_EQ(button.Font(), DialogFont()) << "the container's ambient font";
  EXPECT_EQ(button.FontColour(), 0);
  EXPECT_TRUE(button.Visible());
  EXPECT_FALSE(CaptionGreyed());
  EXPECT_EQ(SkinShown(), Skin::Normal);

  button.Caption(L"Command1");
  EXPECT_EQ(Saved().ReadProperty<std::wstring>("Caption", L""), L"Command1");
  button.Caption(L"Command");
  EXPECT_EQ(Saved().Find("Caption"), nullptr);
}

TEST_F(CommandPropertiesTest, StoredNamesMatchInAnyLetterCase) {
  PropertyBag stored;
  stored.Set("caption", std::wstring(L"\u8A2D\u5B9A"));
  stored.Set("font", TahomaBoldItalic());
  stored.Set("ENABLED", false);
  stored.Set("firstrun", std::uint8_t{0});
  stored.Set("fontcolour", std::int32_t{255});
  stored.Set("VISIBLE", std::int16_t{0});
  Command& button = Load(stored);
  EXPECT_EQ(button.Caption(), L"\u8A2D\u5B9A");
  EXPECT_EQ(button.Font(), TahomaBoldItalic());
  const PropertyBag saved = Saved();
  EXPECT_FALSE(saved.ReadProperty<bool>("Enabled", true));
  EXPECT_EQ(saved.ReadProperty<std::uint8_t>("FirstRun", 1), 0);
  EXPECT_EQ(button.FontColour(), kRed);
  EXPECT_FALSE(button.Visible());
}

TEST_F(CommandPropertiesTest, StoredValuesThatCannotApplyLeaveTheDesignOrTheReadDefault) {
  PropertyBag stored;
  stored.Set("Enabled", std::wstring(L"yes"));
  stored.Set("FirstRun", std::int32_t{300});
  stored.Set("FontColour", std::int32_t{0x12000000});
  stored.Set("Visible", std::int16_t{5});
  Command& button = Load(stored);
  EXPECT_EQ(Names(Saved()), kDefaultsOnly) << "enabled, FirstRun 1, black, opaque";
  EXPECT_EQ(button.FontColour(), 0);
  EXPECT_TRUE(button.Visible());
}

TEST_F(CommandPropertiesTest, ANewButtonIsDisabledUntilTheFirstReadOfEnabled) {
  Command& button = New();
  EXPECT_EQ(button.Caption(), L"Command");
  EXPECT_EQ(button.Font(), DialogFont()) << "the caption's design font";
  EXPECT_EQ(SkinShown(), Skin::Disable) << "its first sizing";
  EXPECT_TRUE(CaptionGreyed());

  // Saved as it is, it stays so.
  button.Font(TahomaBoldItalic());
  PropertyBag saved = Saved();
  EXPECT_EQ(Names(saved), kNotYetEnabled);
  EXPECT_EQ(saved.ReadProperty<bool>("Enabled", true), false);
  EXPECT_EQ(saved.ReadProperty<std::uint8_t>("FirstRun", 1), 0);

  EXPECT_TRUE(button.Enabled());
  EXPECT_EQ(SkinShown(), Skin::Normal);
  EXPECT_FALSE(CaptionGreyed());
  button.Font(DialogFont());
  EXPECT_EQ(Names(Saved()), kDefaultsOnly);

  Command& reloaded = Load(saved);
  EXPECT_EQ(SkinShown(), Skin::Disable);
  EXPECT_EQ(reloaded.Font(), TahomaBoldItalic());
  EXPECT_EQ(Names(Saved()), kNotYetEnabled);
}

TEST_F(CommandPropertiesTest, WhileFirstRunIsZeroEveryRefreshOfAnEnabledButtonBlackensTheCaption) {
  Command& button = New();
  button.FontColour(kRed);
  EXPECT_EQ(button.FontColour(), kRed) << "disabled: the refresh does nothing";
  button.Enabled(true);  // written, not read: FirstRun stays 0
  ASSERT_EQ(Saved().ReadProperty<std::uint8_t>("FirstRun", 1), 0);
  button.FontColour(kRed);
  EXPECT_EQ(button.FontColour(), 0);

  button.Enabled();  // the first read
  button.FontColour(kRed);
  EXPECT_EQ(button.FontColour(), kRed);
}

TEST_F(CommandPropertiesTest, WritingTheCaptionPaintsNothingAndARefusedColourStillRefreshes) {
  Command& button = Load(PropertyBag());
  button.Initialize();
  Poison();
  button.Caption(L"OK");
  EXPECT_TRUE(Poisoned()) << "writing the caption neither repaints the face nor lays it out";
  button.FontColour(kRed);
  button.FontColour(0x12345678);  // refused
  EXPECT_EQ(button.FontColour(), kRed);

  Poison();
  button.FontColour(0x12345678);
  EXPECT_FALSE(Poisoned()) << "a refused colour still refreshes the face";
}

TEST_F(CommandPropertiesTest, ReadingFontColourOrVisibleRepaintsNormalWithoutChangingTheState) {
  Command& button = Load(PropertyBag());
  button.Initialize();
  for (bool readColour : {true, false}) {
    SCOPED_TRACE(readColour ? "FontColour" : "Visible");
    Move();
    ASSERT_EQ(SkinShown(), Skin::HighLight);
    EXPECT_TRUE(readColour ? button.FontColour() == 0 : button.Visible());
    EXPECT_EQ(SkinShown(), Skin::Normal);
    Move();
    EXPECT_EQ(SkinShown(), Skin::Normal) << "still hovered: looks normal until the pointer leaves and returns";
    TickWithPointerAt(OutsideButton());
  }
}

}  // namespace
