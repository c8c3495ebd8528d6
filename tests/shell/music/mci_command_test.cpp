// Sending command strings and turning codes and replies into text, against a scripted drive.
#include "shell/music/mci_command.h"

#include <gtest/gtest.h>

#include "harness/scripted_cd_drive.h"
#include "shell/settings/music_settings.h"

namespace {

// The shell's fixed texts in code page 932.
const std::string kNoCommandText =
    "\x83\x52\x83\x7d\x83\x93\x83\x68\x95\xb6\x8e\x9a\x97\xf1\x82\xaa\x8e\x77\x92\xe8\x82\xb3"
    "\x82\xea\x82\xc4\x82\xa2\x82\xdc\x82\xb9\x82\xf1";
const std::string kNoErrorText = "Error (\x95\xb6\x8e\x9a\x97\xf1\x82\xaa\x8e\xe6\x82\xea\x82\xdc\x82\xb9\x82\xf1)";

constexpr std::int32_t kUntouched = 0x5eed;

class MciSend : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(GetACP(), 932u) << "the bench must run Wine programs in code page 932";
    drive.open = true;
    LastResult = kUntouched;
  }
  ScriptedCdDrive drive;
  std::string reply = "poison";
};

TEST_F(MciSend, AnEmptyCommandIsNotSentAndAnswersThatNoCommandWasGiven) {
  EXPECT_EQ(MCI_Send("", reply), -1);
  EXPECT_EQ(reply, kNoCommandText);
  EXPECT_TRUE(drive.sent.empty());
  EXPECT_EQ(LastResult, kUntouched);

  EXPECT_EQ(MCI_Query(""), "Error:-1");
  EXPECT_EQ(MCI_Reply, kNoCommandText);
  EXPECT_EQ(LastResult, -1);
}

TEST_F(MciSend, SendsWithTheGeneralBufferAndStoresTheCode) {
  EXPECT_EQ(MCI_Send("status cdaudio number of tracks", reply), 0);
  EXPECT_EQ(reply, "10");
  ASSERT_EQ(drive.sent.size(), 1u);
  EXPECT_TRUE(drive.sent[0].withBuffer);
  EXPECT_EQ(drive.sent[0].capacity, 512u);
  EXPECT_EQ(LastResult, 0);
}

TEST_F(MciSend, AReplyIsCutAtItsFirstNul) {
  drive.script["status cdaudio mode"] = {0, std::string("playing\0stopped", 15)};
  EXPECT_EQ(MCI_Send("status cdaudio mode", reply), 0);
  EXPECT_EQ(reply, "playing");
}

TEST_F(MciSend, AReplyFillingTheWholeBufferIsReadToItsEndAndNoFurther) {
  drive.script["status cdaudio mode"] = {0, std::string(511, 'a')};
  EXPECT_EQ(MCI_Send("status cdaudio mode", reply), 0);
  EXPECT_EQ(reply, std::string(511, 'a'));
  // A device that writes all 512 characters and no NUL.
  drive.script["status cdaudio mode"] = {0, std::string(600, 'b')};
  EXPECT_EQ(MCI_Send("status cdaudio mode", reply), 0);
  EXPECT_EQ(reply, std::string(512, 'b'));
}

TEST_F(MciSend, ACommandThatRepliesNothingGivesTheEmptyStringNotTheLastReply) {
  EXPECT_EQ(MCI_Send("status cdaudio mode", reply), 0);
  EXPECT_EQ(reply, "stopped");
  EXPECT_EQ(MCI_Send("play cdaudio", reply), 0);
  EXPECT_EQ(reply, "");
  EXPECT_EQ(MCI_Query("stop cdaudio"), "");
}

TEST_F(MciSend, AFailedCommandRepliesWithThePlatformsTextForItsCode) {
  char expected[256] = {};
  ASSERT_TRUE(mciGetErrorStringA(MCIERR_OUTOFRANGE, expected, sizeof expected));
  EXPECT_EQ(MCI_Send("status cdaudio position track 11", reply), MCIERR_OUTOFRANGE);
  EXPECT_EQ(reply, expected);
  EXPECT_EQ(LastResult, MCIERR_OUTOFRANGE);
  EXPECT_EQ(MCI_Query("status cdaudio position track 11"), "Error:282");
  EXPECT_EQ(MCI_Reply, expected);
}

TEST_F(MciSend, ACodeWithoutTextRepliesThatNoTextCouldBeHad) {
  drive.script["status cdaudio mode"] = {0x7654, "ignored"};
  EXPECT_EQ(MCI_Send("status cdaudio mode", reply), 0x7654);
  EXPECT_EQ(reply, kNoErrorText);
  EXPECT_EQ(MCI_Query("status cdaudio mode"), "Error:30292");
}

TEST_F(MciSend, PlayLeavesOutThePositionsThatAreEmpty) {
  struct Case {
    const char* from;
    const char* to;
    const char* command;
  } cases[] = {
      {"03:00:00:00", "04:00:00:00", "play cdaudio from 03:00:00:00 to 04:00:00:00"},
      {"03:00:00:00", "", "play cdaudio from 03:00:00:00"},
      {"", "04:00:00:00", "play cdaudio to 04:00:00:00"},
      {"", "", "play cdaudio"},
  };
  for (const Case& c : cases) {
    drive.sent.clear();
    MCI_Play("cdaudio", c.from, c.to);
    ASSERT_EQ(drive.sent.size(), 1u) << c.command;
    EXPECT_EQ(drive.sent[0].command, c.command);
  }
}

TEST_F(MciSend, PlayReturnsTheCodeAndLeavesItsReplyInTheReplySlot) {
  EXPECT_EQ(MCI_Play("cdaudio", "Error:282", ""), MCIERR_OUTOFRANGE);
  char expected[256] = {};
  mciGetErrorStringA(MCIERR_OUTOFRANGE, expected, sizeof expected);
  EXPECT_EQ(MCI_Reply, expected);
  EXPECT_EQ(LastResult, MCIERR_OUTOFRANGE);
}

}  // namespace
