// Which music a file name means: its last three characters, upper-cased.
#include <gtest/gtest.h>

#include "shell/text/music_file_type.h"

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

}  // namespace
