// The CD kept on its track (or the whole disc) by the 200 ms poll, against a scripted drive,
// and against Wine's own cdaudio, which finds no drive on this machine.
#include "shell/music/cd_player.h"

#include <gtest/gtest.h>

#include "harness/scripted_cd_drive.h"
#include "shell/music/mci_calls.h"
#include "shell/music/mci_command.h"
#include "shell/settings/music_settings.h"
#include "harness/replaced_calls.h"

namespace {

using Commands = std::vector<std::string>;

const std::string kCurrent = "status cdaudio current track";
const std::string kCount = "status cdaudio number of tracks";
const std::string kMode = "status cdaudio mode";
const Commands kQueries = {kCurrent, kCount, kMode};

Commands Then(Commands first, const Commands& more) {
  first.insert(first.end(), more.begin(), more.end());
  return first;
}

class CdPoll : public ::testing::Test {
 protected:
  // An open drive in tmsf format, stopped on track 1 of 10, nothing sent yet.
  void Open(int track) {
    drive.script.clear();
    drive.currentTrack = 1;
    drive.mode = "stopped";
    BGM_Track = static_cast<std::int16_t>(track);
    CD_Open();
    drive.sent.clear();
  }
  // The drive playing `track` as if it had been started earlier.
  void PlayingOn(int track) {
    drive.currentTrack = track;
    drive.mode = "playing";
  }
  Commands Poll() {
    drive.sent.clear();
    CD_Continue = false;
    CD_Poll();
    return drive.Commands();
  }
  void TearDown() override { BGM_Track = 0; }
  ScriptedCdDrive drive;
};

TEST_F(CdPoll, OpeningSetsTheTmsfFormatAndWantsNoReplies) {
  LastResult = 0x5eed;
  BGM_Track = 3;
  CD_Open();
  ASSERT_EQ(drive.Commands(), (Commands{"open cdaudio", "set cdaudio time format tmsf"}));
  for (const auto& sent : drive.sent) {
    EXPECT_FALSE(sent.withBuffer) << sent.command;
    EXPECT_EQ(sent.capacity, 0u) << sent.command;
  }
  EXPECT_EQ(LastResult, 0);
}

TEST_F(CdPoll, TheFirstPollStartsAStoppedDriveAtTheChosenTrack) {
  Open(3);
  EXPECT_EQ(Poll(), Then(kQueries, {"status cdaudio position track 3", "play cdaudio from 03:00:00:00"}));
  EXPECT_TRUE(CD_Continue);
  EXPECT_EQ(drive.currentTrack, 3);
  EXPECT_EQ(drive.mode, "playing");
  const unsigned capacities[] = {512, 512, 255, 512, 512};
  for (std::size_t i = 0; i < drive.sent.size(); ++i) {
    EXPECT_EQ(drive.sent[i].capacity, capacities[i]) << drive.sent[i].command;
  }
}

TEST_F(CdPoll, TheFirstPollStartsTheWholeDiscWhereTheDriveStands) {
  Open(0);
  EXPECT_EQ(Poll(), Then(kQueries, {"play cdaudio"}));
  EXPECT_TRUE(CD_Continue);
  EXPECT_EQ(drive.mode, "playing");
}

TEST_F(CdPoll, ADriveMovingOnFromTrackThreeToFourIsSentBackWithinOnePoll) {
  Open(3);
  PlayingOn(3);
  EXPECT_EQ(Poll(), kQueries);
  PlayingOn(4);
  EXPECT_EQ(Poll(), Then(kQueries, {"status cdaudio position track 3", "play cdaudio from 03:00:00:00"}));
  EXPECT_TRUE(CD_Continue);
  EXPECT_EQ(drive.currentTrack, 3);
  EXPECT_EQ(Poll(), kQueries);
}

TEST_F(CdPoll, ADiscThatStoppedOnTheChosenTrackIsStartedAgain) {
  Open(3);
  drive.currentTrack = 3;
  drive.mode = "stopped";
  EXPECT_EQ(Poll(), Then(kQueries, {"status cdaudio position track 3", "play cdaudio from 03:00:00:00"}));
  EXPECT_EQ(drive.mode, "playing");
}

TEST_F(CdPoll, TheWholeDiscIsOnlyRestartedWhenStoppedAndItsTracksAreNeverCompared) {
  struct Case {
    const char* current;
    const char* mode;
    bool plays;
  } cases[] = {
      {"7", "playing", false},   {"7", "stopped", true},       {"abc", "playing", false},
      {"", "stopped", true},     {"7", "stoppedX", true},      {"7", "Stopped", false},
      {"7", "stop", false},      {"7", "paused", false},       {"7", "seeking", false},
  };
  for (const Case& c : cases) {
    Open(0);
    drive.script[kCurrent] = {0, c.current};
    drive.mode = c.mode;
    const Commands sent = Poll();
    EXPECT_EQ(sent, c.plays ? Then(kQueries, {"play cdaudio"}) : kQueries)
        << "current " << c.current << ", mode " << c.mode;
    EXPECT_TRUE(CD_Continue) << "current " << c.current << ", mode " << c.mode;
  }
}

TEST_F(CdPoll, ATrackBeyondTheLastSendsTheErrorTextAsItsStartAndKeepsPolling) {
  Open(12);
  for (int tick = 0; tick < 3; ++tick) {
    EXPECT_EQ(Poll(), Then(kQueries, {"status cdaudio position track 12", "play cdaudio from Error:282"}));
    EXPECT_TRUE(CD_Continue);
    EXPECT_EQ(drive.mode, "stopped");
    EXPECT_EQ(LastResult, MCIERR_OUTOFRANGE);
  }
}

TEST_F(CdPoll, TheCurrentTrackIsComparedAsANumberAndAReplyThatIsNoneStopsThePoll) {
  struct Case {
    const char* current;
    bool goesOn;
    bool restarts;
  } cases[] = {
      {"3", true, false},   {" 3 ", true, false}, {"03", true, false},  {"3.0", true, false},
      {"4", true, true},    {"3.5", true, true},  {"-3", true, true},   {"abc", false, false},
      {"+3", true, false},  {"", false, false},   {"3a", false, false}, {"0x3", false, false},
      {"3e0", false, false}, {"inf", false, false}, {"three", false, false}, {"3 4", false, false},
  };
  for (const Case& c : cases) {
    Open(3);
    PlayingOn(3);
    drive.script[kCurrent] = {0, c.current};
    const Commands sent = Poll();
    EXPECT_EQ(CD_Continue, c.goesOn) << "current track \"" << c.current << "\"";
    const Commands expected =
        c.restarts ? Then(kQueries, {"status cdaudio position track 3", "play cdaudio from 03:00:00:00"})
                   : kQueries;
    EXPECT_EQ(sent, expected) << "current track \"" << c.current << "\"";
  }
}

TEST_F(CdPoll, AFailedOrErrorLikeQueryStopsThePollBeforeAnythingElseIsSent) {
  struct Case {
    const char* what;
    const char* command;
    MCIERROR code;
    const char* reply;
    Commands sent;
  };
  const Case cases[] = {
      {"current track fails", kCurrent.c_str(), MCIERR_DEVICE_NOT_READY, "", {kCurrent}},
      {"current track reads error", kCurrent.c_str(), 0, "error", {kCurrent}},
      {"current track reads terrible", kCurrent.c_str(), 0, "terrible", {kCurrent}},
      {"track count fails", kCount.c_str(), MCIERR_HARDWARE, "", {kCurrent, kCount}},
      {"track count reads Err", kCount.c_str(), 0, "Err", {kCurrent, kCount}},
  };
  for (const auto& c : cases) {
    Open(3);
    drive.script[c.command] = {c.code, c.reply};
    EXPECT_EQ(Poll(), c.sent) << c.what;
    EXPECT_FALSE(CD_Continue) << c.what;
  }
}

TEST_F(CdPoll, TheTrackCountItselfIsNotUsed) {
  Open(3);
  PlayingOn(3);
  drive.script[kCount] = {0, "many"};
  EXPECT_EQ(Poll(), kQueries);
  EXPECT_TRUE(CD_Continue);
}

TEST_F(CdPoll, AModeQueryThatAnswersNothingDoesNotReuseTheLastMode) {
  Open(0);
  EXPECT_EQ(Poll(), Then(kQueries, {"play cdaudio"}));
  drive.mode = "stopped";
  drive.script[kMode] = {MCIERR_HARDWARE, ""};
  EXPECT_EQ(Poll(), kQueries);
  EXPECT_EQ(LastResult, MCIERR_HARDWARE);
  EXPECT_TRUE(CD_Continue);
}

TEST_F(CdPoll, ClosingStopsThenClosesTheDriveWantingNoReplies) {
  Open(3);
  Poll();
  drive.sent.clear();
  CD_Close();
  EXPECT_EQ(drive.Commands(), (Commands{"stop cdaudio", "close cdaudio"}));
  for (const auto& sent : drive.sent) EXPECT_EQ(sent.capacity, 0u) << sent.command;
  EXPECT_FALSE(drive.open);
  EXPECT_EQ(LastResult, 0);
}

// Wine's own cdaudio, on a machine without a drive.
TEST(CdPollWithoutADrive, TheFirstPollEndsThePolling) {
  const ReplacedCalls<MciCalls, &ReplaceMciCalls> wine{MciCalls{}};
  BGM_Track = 1;
  CD_Open();
  EXPECT_NE(LastResult, 0) << "this machine has no CD drive";
  CD_Continue = true;
  CD_Poll();
  EXPECT_FALSE(CD_Continue);
  EXPECT_NE(LastResult, 0);
  EXPECT_NE(MCI_Reply, "");
  CD_Close();
  BGM_Track = 0;
}

}  // namespace
