// A multimedia reply buffer as the device fills it (any bytes, NULs included, up to the
// buffer's capacity), read as the player reads it; and a music file's path put into the MP3
// open command.
//
// The checks come from the rules, not from the code: the reply is held byte for byte against
// the buffer, the error test and the number are read again by their own words, and commands
// built from pieces give those pieces back.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz/ascii_case.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/reference_number.h"
#include "shell/music/mci_text.h"

namespace {

std::string UpperCased(std::string_view text) { return ascii_case::Changed(text, ascii_case::Change::Upper); }

std::string LowerCased(std::string_view text) { return ascii_case::Changed(text, ascii_case::Change::Lower); }

// The play command by its four cases.
std::string ReferencePlay(const std::string& device, const std::string& from, const std::string& to) {
  if (!from.empty() && !to.empty()) return "play " + device + " from " + from + " to " + to;
  if (!from.empty()) return "play " + device + " from " + from;
  if (!to.empty()) return "play " + device + " to " + to;
  return "play " + device;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const char* buffer = reinterpret_cast<const char*>(data);
  const std::string_view bytes(buffer, size);

  // The reply is the buffer's bytes up to its first NUL, all of them when there is none.
  const std::string reply = TextUpToNul(buffer, size);
  std::size_t end = 0;
  while (end < size && buffer[end] != '\0') ++end;
  FUZZ_CHECK(reply == bytes.substr(0, end));
  // A smaller capacity cuts the same reply; nothing past the capacity is read.
  const std::size_t capacity = size == 0 ? 0 : data[size - 1] % (size + 1);
  FUZZ_CHECK(TextUpToNul(buffer, capacity) == bytes.substr(0, std::min(end, capacity)));

  // A failed query reads "ERR" in any case, anywhere.
  const bool failed = ContainsErr(reply);
  FUZZ_CHECK(failed == (UpperCased(reply).find("ERR") != std::string::npos));
  FUZZ_CHECK(ContainsErr(LowerCased(reply)) == failed);

  // A number: blanks and tabs around a sign, digits and a fraction, and nothing else.
  const std::optional<double> number = ParseNumber(reply);
  const std::optional<double> expected = reference::Whole(std::string_view(reply), false);
  FUZZ_CHECK(number.has_value() == expected.has_value());
  if (number) FUZZ_CHECK(*number == *expected);
  FUZZ_CHECK(ParseNumber(" \t" + reply + "\t ") == number);

  // A path that would split the command or end it early is refused; any other comes back
  // whole from between the command's quotes.
  const std::string path(bytes);
  bool quotable = true;
  for (unsigned char c : path) quotable = quotable && c != '"' && c >= 0x20;
  const std::optional<std::string> command = Mp3OpenCommand(path);
  FUZZ_CHECK(command.has_value() == quotable);
  if (command) {
    const std::string_view open = "open \"", type = "\" type MPEGVideo Alias MP3Play";
    FUZZ_CHECK(command->size() == open.size() + path.size() + type.size());
    FUZZ_CHECK(command->compare(0, open.size(), open) == 0);
    FUZZ_CHECK(command->compare(open.size(), path.size(), path) == 0);
    FUZZ_CHECK(command->compare(open.size() + path.size(), type.size(), type) == 0);
  }

  // The play command, from the reply and what follows its NUL as the pieces.
  const std::string after = end < size ? std::string(bytes.substr(end + 1)) : std::string();
  FUZZ_CHECK(PlayCommand("cdaudio", reply, after) == ReferencePlay("cdaudio", reply, after));
  FUZZ_CHECK(PlayCommand("cdaudio", after, "") == ReferencePlay("cdaudio", after, ""));
  FUZZ_CHECK(PlayCommand(reply, "", after) == ReferencePlay(reply, "", after));
  return 0;
}
