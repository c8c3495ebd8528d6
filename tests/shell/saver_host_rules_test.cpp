// The saver host's decisions that need no window: which music a file name means and when the
// renderer counts as gone.
#include <gtest/gtest.h>

#include "shell/music_file_type.h"
#include "shell/renderer_watch.h"

namespace {

struct TypeRow {
  int index;
  const char* path;
  MusicFileType expected;
};

TEST(MusicFileType, ComparesTheLastThreeCharactersUpperCased) {
  const TypeRow rows[] = {
      {0, "C:\\Music\\song.wav", MusicFileType::kWav},
      {1, "C:\\Music\\SONG.Mp3", MusicFileType::kMp3},
      {2, "C:\\Music\\song.mP3", MusicFileType::kMp3},
      {3, "C:\\Music\\song.mp3x", MusicFileType::kNone},
      {4, "C:\\Music\\song.mpeg", MusicFileType::kNone},
      {5, "C:\\Music\\songwav", MusicFileType::kWav},  // no dot needed: three characters only
      {6, "wav", MusicFileType::kWav},
      {7, "av", MusicFileType::kNone},
      {8, "", MusicFileType::kNone},
      {9, "C:\\\x83\x5E\x83\x43\x83\x67\x83\x8B.WAV", MusicFileType::kWav},  // Japanese name
      {10, "C:\\x\\\x82\x6C\x82\x6F\x82\x52", MusicFileType::kNone},  // full-width letters
  };
  for (const TypeRow& row : rows) {
    EXPECT_EQ(MusicFileTypeOf(row.path), row.expected) << "row " << row.index;
  }
}

TEST(RendererWatch, WaitsForTheWindowBeforeTakingItsAbsenceAsTheEnd) {
  RendererWatch watch;
  // The renderer is still switching the display mode: no window at the first ticks.
  EXPECT_FALSE(watch.RendererGone(false, false, 500));
  EXPECT_FALSE(watch.RendererGone(false, false, 1000));
  EXPECT_FALSE(watch.RendererGone(true, false, 1500));
  EXPECT_TRUE(watch.WindowSeen());
  EXPECT_FALSE(watch.RendererGone(true, false, 2000));
  EXPECT_TRUE(watch.RendererGone(false, false, 2500));
}

TEST(RendererWatch, EndsAtOnceWhenTheRendererEndsWithoutAWindow) {
  RendererWatch watch;
  EXPECT_FALSE(watch.RendererGone(false, false, 500));
  EXPECT_TRUE(watch.RendererGone(false, true, 1000));
}

TEST(RendererWatch, EndsAtTheFirstTickWhenTheRendererCouldNotStart) {
  RendererWatch watch;
  EXPECT_TRUE(watch.RendererGone(false, true, 500));
}

TEST(RendererWatch, GivesUpOnARendererThatNeverShowsAWindow) {
  RendererWatch watch;
  EXPECT_FALSE(watch.RendererGone(false, false, RendererWatch::kStartLimitMs - 1));
  EXPECT_TRUE(watch.RendererGone(false, false, RendererWatch::kStartLimitMs));
}

TEST(RendererWatch, AWindowThatGoesIsTheEndEvenIfTheProcessLivesOn) {
  RendererWatch watch;
  EXPECT_FALSE(watch.RendererGone(true, false, 500));
  EXPECT_TRUE(watch.RendererGone(false, false, 1000));
}

}  // namespace
