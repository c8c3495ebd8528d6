// Reading replies and building commands, without any device.
#include "shell/music/mci_text.h"

#include <gtest/gtest.h>

namespace {

TEST(ParseNumber, ReadsWhatAReplyHoldsAsANumberAndNothingElse) {
  struct Case {
    const char* text;
    bool isNumber;
    double value;
  } cases[] = {
      {"3", true, 3},       {" 3 ", true, 3},    {"03", true, 3},     {"-1", true, -1},
      {"+7", true, 7},      {"3.5", true, 3.5},  {"3.", true, 3},     {".5", true, 0.5},
      {"", false, 0},       {"  ", false, 0},    {"abc", false, 0},   {"3a", false, 0},
      {"0x3", false, 0},    {"1e2", false, 0},   {"3 4", false, 0},   {"-", false, 0},
      {".", false, 0},      {"3..1", false, 0},  {"inf", false, 0},   {"nan", false, 0},
  };
  for (const Case& c : cases) {
    const auto number = ParseNumber(c.text);
    EXPECT_EQ(number.has_value(), c.isNumber) << "\"" << c.text << "\"";
    if (number && c.isNumber) {
      EXPECT_DOUBLE_EQ(*number, c.value) << "\"" << c.text << "\"";
    }
  }
}

TEST(ContainsErr, FindsErrInAnyCaseAnywhere) {
  EXPECT_TRUE(ContainsErr("Error:266"));
  EXPECT_TRUE(ContainsErr("error"));
  EXPECT_TRUE(ContainsErr("a terrible reply"));
  EXPECT_TRUE(ContainsErr("ERR"));
  EXPECT_FALSE(ContainsErr("ER"));
  EXPECT_FALSE(ContainsErr("3"));
  EXPECT_FALSE(ContainsErr(""));
  EXPECT_FALSE(ContainsErr("E R R"));
}

TEST(TextUpToNul, NeverReadsPastTheBuffer) {
  const char full[4] = {'a', 'b', 'c', 'd'};  // no NUL at all
  EXPECT_EQ(TextUpToNul(full, sizeof full), "abcd");
  const char cut[6] = {'a', 'b', '\0', 'x', 'y', 'z'};
  EXPECT_EQ(TextUpToNul(cut, sizeof cut), "ab");
  const char empty[3] = {'\0', 'q', 'q'};
  EXPECT_EQ(TextUpToNul(empty, sizeof empty), "");
}

TEST(Mp3OpenCommand, QuotesThePathIntoOneOpenCommand) {
  EXPECT_EQ(Mp3OpenCommand("C:\\Music\\a b.mp3"),
            "open \"C:\\Music\\a b.mp3\" type MPEGVideo Alias MP3Play");
  // Shift-JIS "音楽\ソ.mp3": the trail byte of ソ is a backslash and must pass untouched.
  const std::string japanese = "C:\\\x89\xb9\x8a\x79\\\x83\x5c.mp3";
  EXPECT_EQ(Mp3OpenCommand(japanese), "open \"" + japanese + "\" type MPEGVideo Alias MP3Play");
  EXPECT_EQ(Mp3OpenCommand(""), "open \"\" type MPEGVideo Alias MP3Play");
}

TEST(Mp3OpenCommand, RefusesAPathThatWouldBreakOutOfItsQuotes) {
  // No file name holds these; sent as is they would split the command or cut it short.
  EXPECT_FALSE(Mp3OpenCommand("C:\\a\" type waveaudio alias x \"b.mp3"));
  EXPECT_FALSE(Mp3OpenCommand(std::string("C:\\a\0b.mp3", 10)));
  EXPECT_FALSE(Mp3OpenCommand("C:\\a\r\nb.mp3"));
}

}  // namespace
