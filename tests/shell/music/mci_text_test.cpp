// The MP3 open command built from a path, without any device.
#include "shell/music/mci_text.h"

#include <gtest/gtest.h>

namespace {

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
