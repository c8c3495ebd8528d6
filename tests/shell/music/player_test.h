#pragma once
// What the WAV and MP3 player tests share: a folder for their media, the bench's capture, and
// the paths and bytes a player must cope with.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cwctype>
#include <memory>
#include <string>
#include <vector>

#include "harness/files.h"
#include "harness/sound_capture.h"
#include "harness/test_media.h"
#include "harness/wait.h"
#include "shell/settings/music_settings.h"

// Sound reaches the capture a little after it is started or stopped.
constexpr unsigned kHearTimeoutMs = 8000;
// A sound's edges in the capture: its 10 ms blocks, and a quiet start or end of the tone.
constexpr double kCaptureEdgeSeconds = 0.03;
// How much later a starved sound system may play what follows: about twice the worst
// measured here on loaded runs (the whole test command beside other builds, load average 4.5
// to 6 on two cores): 0.53 s of silence inside an MP3 play, and WAV tones 0.46 s late. (With
// yet another build running, load 8 and more, the sound system dropped whole stretches of
// sound: no bound holds there.)
constexpr double kStarvedSeconds = 1.0;

// What the capture holds between `from` and `to` seconds after its mark (10 ms blocks
// louder than the threshold): where the sound begins and ends, and how much there is.
struct Heard {
  double first = -1, last = -1, seconds = 0;
};
inline Heard HeardBetween(const std::vector<int>& blockPeaks, double from, double to) {
  Heard heard;
  for (std::size_t i = 0; i < blockPeaks.size(); ++i) {
    const double at = i * kCaptureBlockSeconds;
    if (at < from || at >= to || blockPeaks[i] <= 300) continue;
    if (heard.first < 0) heard.first = at;
    heard.last = at + kCaptureBlockSeconds;
    heard.seconds += kCaptureBlockSeconds;
  }
  return heard;
}

class PlayerTest : public ::testing::Test {
 protected:
  static void TearDownTestSuite() { media.reset(); }
  void SetUp() override { ASSERT_TRUE(capture.available()) << "run under the bench (KORVANE_CAPTURE)"; }

  bool HearsSoundAfter(std::uint64_t mark, unsigned checkEveryMs = 10) {
    return WaitUntil([&] { return !FindSoundRuns(capture.BlockPeaksSince(mark)).empty(); },
                     kHearTimeoutMs, checkEveryMs);
  }
  // True when the second after `mark` (plus a moment for the sound to drain) stays quiet.
  bool QuietAfter(std::uint64_t mark) {
    capture.WaitForSeconds(mark, 1.5, kHearTimeoutMs);
    return SilentTailSeconds(capture.BlockPeaksSince(mark)) >= 1.0;
  }

  // Copies of the media file `file` (extension `extension`, dot included) as code page 932
  // paths: with blanks, Japanese, and 255 bytes long, the longest the settings file gives back.
  static std::vector<std::string> AwkwardCopies(const std::wstring& file, const std::wstring& extension) {
    std::wstring upper = extension;
    for (wchar_t& c : upper) c = static_cast<wchar_t>(std::towupper(c));
    const std::size_t longName = 255 - media->path().size() - 1 - (L"\\long" + extension).size();
    std::vector<std::string> paths = {
        AnsiPath(media->CopyInFolder(file, L"with some blanks", L"a b c" + extension)),
        AnsiPath(media->CopyInFolder(file, L"音楽 ソフト", L"表示の曲" + upper)),
        AnsiPath(media->CopyInFolder(file, std::wstring(longName, L'x'), L"long" + extension)),
    };
    EXPECT_EQ(paths[2].size(), 255u);
    for (const std::string& path : paths) EXPECT_EQ(path.find('?'), std::string::npos) << "not in code page 932";
    return paths;
  }

  inline static std::unique_ptr<TempFolder> media;
  SoundCapture capture;
};

// Bytes no decoder can make sense of, the same on every run.
inline std::string RandomBytes(std::size_t size) {
  std::string bytes(size, '\0');
  std::srand(4);
  for (char& c : bytes) c = static_cast<char>(std::rand());
  return bytes;
}
