// A multimedia reply buffer as the device fills it (any bytes, NULs included, up to the
// buffer's capacity), read as the player reads it; and a music file's path put into the MP3
// open command.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "shell/music/mci_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const char* buffer = reinterpret_cast<const char*>(data);
  // The reply is the buffer's text up to its first NUL, never past its capacity.
  const std::string reply = TextUpToNul(buffer, size);
  FUZZ_CHECK(reply.size() <= size && reply.find('\0') == std::string::npos);
  FUZZ_CHECK(reply.size() == size || buffer[reply.size()] == '\0');

  const bool failed = ContainsErr(reply);
  if (reply.size() < 3) FUZZ_CHECK(!failed);
  const auto number = ParseNumber(reply);
  if (number) FUZZ_CHECK(!failed);

  // A path that would split the command or end it early is refused, never quoted in.
  const std::string path(buffer, size);
  if (const auto command = Mp3OpenCommand(path)) {
    FUZZ_CHECK(*command == "open \"" + path + "\" type MPEGVideo Alias MP3Play");
    for (char c : path) FUZZ_CHECK(c != '"' && static_cast<unsigned char>(c) >= 0x20);
  }
  FUZZ_CHECK(PlayCommand("cdaudio", reply, "").rfind("play cdaudio", 0) == 0);
  return 0;
}
