// The track box's text: shown with the "##" format, read back as a rounded 16-bit number or 0.
#include <gtest/gtest.h>

#include <string>

#include "shell/settings_dialog/track_text.h"

namespace {

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

TEST(TrackText, ShowsNoLeadingZerosAndNothingForTheWholeDisc) {
  EXPECT_EQ(Narrow(TrackText(0)), "");
  EXPECT_EQ(Narrow(TrackText(7)), "7");
  EXPECT_EQ(Narrow(TrackText(30)), "30");
  EXPECT_EQ(Narrow(TrackText(-5)), "-5");
  EXPECT_EQ(Narrow(TrackText(32767)), "32767");
  EXPECT_EQ(Narrow(TrackText(-32768)), "-32768");
}

TEST(TrackText, ReadsWhatIsNumericAndGivesZeroForEverythingElse) {
  struct Case {
    const wchar_t* text;
    int track;
  };
  const Case cases[] = {
      {L"7", 7},
      {L" 12 ", 12},
      {L"\t3", 3},
      {L"+4", 4},
      {L"-1", -1},
      {L"2.5", 2},   // halves to even
      {L"3.5", 4},
      {L"-2.5", -2},
      {L"2.4999", 2},
      {L"1e1", 10},
      {L".5", 0},
      {L"7.", 7},
      {L"32767", 32767},
      {L"-32768", -32768},
      {L"32767.4", 32767},
      {L"32767.5", 0},  // rounds to 32768: outside the 16-bit range
      {L"-32768.5", -32768},
      {L"-32768.6", 0},
      {L"70000", 0},
      {L"1e300", 0},
      {L"1e999", 0},
      {L"", 0},
      {L"   ", 0},
      {L"abc", 0},
      {L"7a", 0},
      {L"7 8", 0},
      {L"--7", 0},
      {L"1e", 0},
      {L".", 0},
      {L"\uFF17", 7},  // full-width digits, as a Japanese keyboard types them
      {L"\uFF11\uFF12", 12},
      {L"\u3000\uFF15\u3000", 5},
      {L"\u0667", 0},  // another script's digit is not a track
  };
  for (const Case& c : cases) {
    std::string shown;
    for (const wchar_t* p = c.text; *p; ++p) shown += *p < 128 ? static_cast<char>(*p) : '?';
    EXPECT_EQ(TrackFromText(c.text), c.track) << "\"" << shown << "\"";
  }
}

}  // namespace
