// An MP3 file played and repeated by Wine's own MPEGVideo device, heard in the bench's capture.
#include "shell/music/mp3_player.h"

#include "harness/mci_recorder.h"
#include "tests/shell/music/player_test.h"

namespace {

using Commands = std::vector<std::string>;

constexpr double kToneSeconds = 1.5;
constexpr std::size_t kLoops = 6;
// Wine's MPEGVideo device, measured here: its sound comes 0.25 s after "play" (never sooner
// than 0.1 s) and ends 1.6 s after it, the file's 1.5 s and the start less 0.15 s the device
// loses; on loaded runs it ended 1.58 s after "play" at the soonest.
constexpr double kMp3SilentAfterPlaySeconds = 0.1;
constexpr double kMp3EndsAfterSeconds = 1.3;

// The platform's own answer, for checking what the player left behind.
std::string Ask(const std::string& command) {
  char reply[128] = {};
  if (mciSendStringA(command.c_str(), reply, sizeof reply, nullptr) != 0) return "failed";
  return reply;
}

long PositionMs() { return std::atol(Ask("status MP3Play position").c_str()); }

class Mp3Player : public PlayerTest {
 protected:
  static void SetUpTestSuite() {
    media = std::make_unique<TempFolder>();
    // Made by lame when the test was built: 1.5 s of a 440 Hz tone.
    const std::string built = KORVANE_TEST_MEDIA_DIR "\\tone.mp3";
    ASSERT_TRUE(CopyFileA(built.c_str(), AnsiPath(media->File(L"tone.mp3")).c_str(), FALSE))
        << "no " << built;
  }
  void SetUp() override {
    PlayerTest::SetUp();
    BGM_File = AnsiPath(media->File(L"tone.mp3"));
  }
  void TearDown() override {
    MP3_Close();
    BGM_File.clear();
  }
};

TEST_F(Mp3Player, OpeningPlaysTheFileUnderItsAliasAndClosingSilencesIt) {
  MciRecorder recorder;
  const std::uint64_t start = capture.FramesNow();
  MP3_Open();
  EXPECT_EQ(recorder.Commands(),
            (Commands{"open \"" + BGM_File + "\" type MPEGVideo Alias MP3Play", "play MP3Play"}));
  for (const auto& sent : recorder.sent) EXPECT_EQ(sent.capacity, 0u) << sent.command;
  EXPECT_TRUE(MP3_IsPlaying());
  EXPECT_TRUE(HearsSoundAfter(start)) << "nothing reached the capture";

  recorder.sent.clear();
  MP3_Close();
  const std::uint64_t closed = capture.FramesNow();
  EXPECT_EQ(recorder.Commands(), (Commands{"stop MP3Play", "close MP3Play"}));
  EXPECT_EQ(Ask("status MP3Play mode"), "failed") << "the alias is still open";
  EXPECT_TRUE(QuietAfter(closed));
}

TEST_F(Mp3Player, AnEndedFileIsPlayedAgainFromItsStartWithinAboutASecond) {
  const std::uint64_t start = capture.FramesNow();
  auto now = [&] { return static_cast<double>(capture.FramesNow() - start) / kCaptureRate; };
  MP3_Open();
  MciRecorder recorder;
  // Where each play was started, on the recording's own clock.
  std::vector<double> startedAt = {0};
  // The host's one-second timer, until the file has been started again six times.
  for (int tick = 0; startedAt.size() <= kLoops && tick < 30; ++tick) {
    PumpFor(1000);
    recorder.sent.clear();
    const double at = now();
    MP3_Repeat();
    const Commands sent = recorder.Commands();
    if (sent.size() > 1) {
      EXPECT_EQ(sent, (Commands{"status MP3Play mode", "stop MP3Play", "play MP3Play from 0"}));
      startedAt.push_back(at);
    } else {
      EXPECT_EQ(sent, (Commands{"status MP3Play mode"}));
    }
  }
  const std::size_t restarts = startedAt.size() - 1;
  ASSERT_EQ(restarts, kLoops) << "the ended file was not started again";
  capture.WaitForSeconds(start, now() + kToneSeconds + 1.0, kHearTimeoutMs);
  MP3_Close();

  // Each play is what was heard from its start to the next (the sound follows a command
  // later, never earlier). A starved sound system may delay a play, pause inside one, or
  // drop what came too late; the device keeps to the file's own clock from "play", so a whole
  // play sounds until the file's length after its start.
  const std::vector<int> peaks = capture.BlockPeaksSince(start);
  double lastEnd = 0;
  for (std::size_t i = 0; i < startedAt.size(); ++i) {
    const double to = i + 1 < startedAt.size() ? startedAt[i + 1] + kMp3SilentAfterPlaySeconds : 1e9;
    const Heard play = HeardBetween(peaks, startedAt[i] + kMp3SilentAfterPlaySeconds, to);
    std::printf("play %zu started at %.2f s: sound from %.2f s to %.2f s, %.2f s of it\n", i,
                startedAt[i], play.first, play.last, play.seconds);
    ASSERT_GE(play.first, 0) << "play " << i << " was not heard";
    EXPECT_GE(play.last - startedAt[i], kMp3EndsAfterSeconds) << "play " << i << " ended early";
    EXPECT_LE(play.last - play.first, kToneSeconds + kStarvedSeconds) << "play " << i;
    // Started again at the first tick after the end.
    if (i > 0) {
      EXPECT_LE(startedAt[i] - lastEnd, 1.0 + kStarvedSeconds) << "play " << i;
    }
    lastEnd = play.last;
  }
}

TEST_F(Mp3Player, APausedFileCountsAsNotPlayingAndStartsAgainFromItsStart) {
  MP3_Open();
  ASSERT_TRUE(WaitUntil([] { return PositionMs() >= 600; }, kHearTimeoutMs));
  ASSERT_EQ(mciSendStringA("pause MP3Play", nullptr, 0, nullptr), 0u);
  const long pausedAt = PositionMs();
  EXPECT_GE(pausedAt, 600);
  EXPECT_FALSE(MP3_IsPlaying()) << "mode " << Ask("status MP3Play mode");
  MP3_Repeat();
  EXPECT_TRUE(MP3_IsPlaying());
  EXPECT_LT(PositionMs(), pausedAt) << "not started again from 0";
}

TEST_F(Mp3Player, AStoppedFileCountsAsNotPlayingAndIsStartedAgain) {
  MP3_Open();
  ASSERT_EQ(mciSendStringA("stop MP3Play", nullptr, 0, nullptr), 0u);
  EXPECT_FALSE(MP3_IsPlaying()) << "mode " << Ask("status MP3Play mode");
  MP3_Repeat();
  EXPECT_TRUE(MP3_IsPlaying());
}

TEST_F(Mp3Player, PathsWithBlanksJapaneseAndNearTheMaximumLengthPlay) {
  for (const std::string& path : AwkwardCopies(L"tone.mp3", L".mp3")) {
    BGM_File = path;
    MP3_Open();
    EXPECT_TRUE(MP3_IsPlaying()) << BGM_File;
    EXPECT_TRUE(WaitUntil([] { return PositionMs() >= 200; }, kHearTimeoutMs)) << BGM_File;
    MP3_Close();
  }
}

TEST_F(Mp3Player, AFileThatCannotBePlayedFailsSilentlyAndTheTicksStayHarmless) {
  const std::string tone = ReadBytes(media->File(L"tone.mp3"));
  ASSERT_TRUE(WriteBytes(media->File(L"empty.mp3"), ""));
  ASSERT_TRUE(WriteBytes(media->File(L"cut.mp3"), tone.substr(0, 300)));
  ASSERT_TRUE(WriteBytes(media->File(L"noise.mp3"), RandomBytes(64 * 1024)));
  ASSERT_TRUE(WriteBytes(media->File(L"text.mp3"), "not a sound at all"));

  struct Case {
    const char* what;
    std::string path;
    bool sendsNothing;
  } cases[] = {
      {"missing file", AnsiPath(media->File(L"missing.mp3")), false},
      {"empty file", AnsiPath(media->File(L"empty.mp3")), false},
      {"cut after 300 bytes", AnsiPath(media->File(L"cut.mp3")), false},
      {"random bytes", AnsiPath(media->File(L"noise.mp3")), false},
      {"text", AnsiPath(media->File(L"text.mp3")), false},
      {"empty path", "", false},
      {"a folder", AnsiPath(media->path()), false},
      {"far too long", AnsiPath(media->File(std::wstring(1000, L'y') + L".mp3")), false},
      {"quote in the path", AnsiPath(media->File(L"a\" type waveaudio alias MP3Play \"b.mp3")), true},
  };
  const std::uint64_t start = capture.FramesNow();
  for (const Case& c : cases) {
    BGM_File = c.path;
    MciRecorder recorder;
    MP3_Open();
    if (c.sendsNothing) {
      EXPECT_TRUE(recorder.sent.empty()) << c.what;
    } else {
      ASSERT_FALSE(recorder.sent.empty()) << c.what;
      if (recorder.sent[0].code != 0) {
        EXPECT_EQ(recorder.sent.size(), 1u) << c.what << ": played after a failed open";
      }
    }
    for (int tick = 0; tick < 3; ++tick) MP3_Repeat();
    MP3_Close();
    EXPECT_EQ(Ask("status MP3Play mode"), "failed") << c.what << ": the alias is still open";
  }
  const std::uint64_t closed = capture.FramesNow();
  EXPECT_TRUE(QuietAfter(closed));
  EXPECT_TRUE(FindSoundRuns(capture.BlockPeaksSince(start)).empty()) << "something was heard";
}

}  // namespace
