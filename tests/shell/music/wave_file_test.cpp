// Telling a WAV file that holds no samples from one the player can loop.
#include "shell/music/wave_file.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>

#include "harness/test_media.h"

namespace {

std::string Le32(std::uint32_t v) {
  return {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
          static_cast<char>(v >> 24)};
}

std::string Chunk(const std::string& id, const std::string& body, std::uint32_t declared) {
  return id + Le32(declared) + body;
}

std::string Riff(const std::string& chunks) { return "RIFF" + Le32(4 + chunks.size()) + "WAVE" + chunks; }

// A chunk of odd length is followed by one byte of padding.
const std::string kPad(1, '\0');
const std::string kFormat = Chunk("fmt ", ToneWaveBytes({}).substr(20, 16), 16);

TEST(IsWaveWithoutSamples, FindsTheDataChunkAndWhetherAnyOfItIsThere) {
  struct Case {
    const char* what;
    std::string bytes;
    bool withoutSamples;
  } cases[] = {
      {"a tone", ToneWaveBytes({{0.1, 440}}), false},
      {"silence is still samples", ToneWaveBytes({{0.1, 0}}), false},
      {"an empty data chunk", ToneWaveBytes({}), true},
      {"declared data cut off before its first byte", Riff(kFormat + Chunk("data", "", 4000)), true},
      {"declared data cut short", Riff(kFormat + Chunk("data", "ab", 4000)), false},
      {"an odd chunk before the data", Riff(kFormat + Chunk("LIST", "abc", 3) + kPad + Chunk("data", "", 0)), true},
      {"an odd chunk before samples", Riff(kFormat + Chunk("LIST", "abc", 3) + kPad + Chunk("data", "abcd", 4)), false},
      {"no data chunk", Riff(kFormat), false},
      {"not a RIFF file", "ID3\x03 and the rest of an MP3", false},
      {"RIFF but no WAVE", "RIFF" + Le32(4) + "AVI ", false},
      {"empty file", "", false},
  };
  TempFolder folder;
  for (const Case& c : cases) {
    const std::wstring path = folder.File(L"case.wav");
    ASSERT_TRUE(WriteBytes(path, c.bytes)) << c.what;
    EXPECT_EQ(IsWaveWithoutSamples(AnsiPath(path)), c.withoutSamples) << c.what;
  }
  // Paths come in the ANSI code page: "音楽\表.wav" holds a 0x5C trail byte.
  const std::wstring japanese = folder.File(L"音楽");
  CreateDirectoryW(japanese.c_str(), nullptr);
  ASSERT_TRUE(WriteBytes(japanese + L"\\表.wav", ToneWaveBytes({})));
  EXPECT_TRUE(IsWaveWithoutSamples(AnsiPath(japanese + L"\\表.wav")));
  EXPECT_FALSE(IsWaveWithoutSamples(AnsiPath(folder.File(L"missing.wav"))));
  EXPECT_FALSE(IsWaveWithoutSamples(""));
}

}  // namespace
