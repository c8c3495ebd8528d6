// A value of the settings file as the profile functions give it back (bytes in the ANSI code
// page, Shift-JIS here), read as each key's rule reads it: the music kind and the CD track as
// numbers, the music file's folder and type.
//
// The checks come from the rules, not from the code: numbers read again by their grammar and
// written numbers read back; paths cut into Shift-JIS characters by the code page's table and
// their folder taken by the rule's three steps, then joined again; and a lead byte followed by
// 0x5C standing for one character, never for a folder separator.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "fuzz/reference_number.h"
#include "shell/text/music_file_type.h"
#include "shell/text/number_text.h"
#include "shell/text/path_text.h"

namespace {

// Code page 932's lead bytes, by its table: 0x81 to 0x9F and 0xE0 to 0xFC.
bool ShiftJisLeadByte(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

// The text as Shift-JIS characters: a lead byte and the byte after it are one; a lead byte
// with nothing after it stands alone.
std::vector<std::string> CharactersOf(std::string_view bytes) {
  std::vector<std::string> characters;
  bool open = false;  // the last character is a lead byte waiting for its second byte
  for (char byte : bytes) {
    if (open) {
      characters.back().push_back(byte);
      open = false;
    } else {
      characters.emplace_back(1, byte);
      open = ShiftJisLeadByte(static_cast<unsigned char>(byte));
    }
  }
  return characters;
}

std::string Joined(const std::vector<std::string>& characters, std::size_t count) {
  std::string text;
  for (std::size_t i = 0; i < count; ++i) text += characters[i];
  return text;
}

// The folder by the rule's steps: p is the last position (from 1) holding ":" or "\", 0 when
// none does; the first p characters, without a "\" that ends them.
std::string ReferenceFolder(const std::vector<std::string>& characters) {
  std::size_t p = 0;
  for (std::size_t i = 0; i < characters.size(); ++i) {
    if (characters[i] == ":" || characters[i] == "\\") p = i + 1;
  }
  if (p > 0 && characters[p - 1] == "\\") --p;
  return Joined(characters, p);
}

// The path the existence test opens: one "\" that ends it dropped.
std::string ReferenceWithoutTrailingBackslash(const std::vector<std::string>& characters) {
  const bool drop = !characters.empty() && characters.back() == "\\";
  return Joined(characters, characters.size() - (drop ? 1 : 0));
}

// A settings number as loaded, by the rule: empty gives 0; one number (blanks and tabs
// around it) gives its whole part rounded down when that fits 16 bits; else the previous.
std::int16_t ReferenceLoaded(std::string_view text, std::int16_t previous) {
  if (text.empty()) return 0;
  const std::optional<double> number = reference::Whole(text, true);
  if (!number) return previous;
  const double whole = std::floor(*number);
  return whole >= -32768 && whole <= 32767 ? static_cast<std::int16_t>(whole) : previous;
}

// The written form by its rule: a blank before a number that is not negative, the minus sign
// before one that is, then the digits without leading zeros.
std::string ReferenceWritten(std::int16_t value) {
  std::int32_t rest = value < 0 ? -static_cast<std::int32_t>(value) : value;
  std::string digits;
  do {
    digits.insert(digits.begin(), static_cast<char>('0' + rest % 10));
    rest /= 10;
  } while (rest > 0);
  return (value < 0 ? "-" : " ") + digits;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string value(reinterpret_cast<const char*>(data), size);

  // A number loads by its rule; blanks and tabs around a value change nothing.
  std::int16_t previous = 7;
  for (unsigned char byte : value) previous = static_cast<std::int16_t>(previous * 31 + byte);
  const std::int16_t loaded = LoadedSettingNumber(value, previous);
  FUZZ_CHECK(loaded == ReferenceLoaded(value, previous));
  if (!value.empty()) {
    FUZZ_CHECK(LoadedSettingNumber(value + " \t ", previous) == loaded);
    FUZZ_CHECK(LoadedSettingNumber("\t " + value, previous) == loaded);
  }
  // Written, then read: the number comes back, and it is written in its one form.
  const std::int16_t number = size >= 2 ? static_cast<std::int16_t>(data[0] | data[1] << 8) : loaded;
  const std::string written = NumberText(number);
  FUZZ_CHECK(written == ReferenceWritten(number));
  FUZZ_CHECK(LoadedSettingNumber(written, static_cast<std::int16_t>(number ^ 0x5555)) == number);

  // The lenient rule of the preview's window number, on the same bytes: blanks, tabs and line
  // feeds count for nothing wherever they stand.
  const double lenient = LenientNumber(value);
  FUZZ_CHECK(lenient == reference::Lenient(std::string_view(value)));
  std::string spread = value;
  spread.insert(size == 0 ? 0 : data[0] % (size + 1), " \n\t");
  FUZZ_CHECK(LenientNumber(spread) == lenient);
  const auto rounded = RoundToInt32(lenient);
  const double nearest = reference::RoundedHalfToEven(lenient);
  if (nearest >= -2147483648.0 && nearest <= 2147483647.0) {
    FUZZ_CHECK(rounded && *rounded == nearest);
  } else {
    FUZZ_CHECK(!rounded);
  }

  // The music file's folder and the path the existence test opens, by the rule's steps on
  // characters; split, then joined, they give the path back.
  const std::vector<std::string> characters = CharactersOf(value);
  const std::string folder = FolderPartOf(value, ShiftJisLeadByte);
  FUZZ_CHECK(folder == ReferenceFolder(characters));
  // The folder, the backslash it was cut at (never its last character) or nothing (cut after
  // a colon, or no separator at all), and a name without separators: joined, the path.
  FUZZ_CHECK(value.compare(0, folder.size(), folder) == 0);
  const std::vector<std::string> rest = CharactersOf(std::string_view(value).substr(folder.size()));
  const bool backslash = !rest.empty() && rest.front() == "\\";
  FUZZ_CHECK(backslash || folder.empty() || folder.back() == ':');
  for (std::size_t i = backslash ? 1 : 0; i < rest.size(); ++i) FUZZ_CHECK(rest[i] != "\\" && rest[i] != ":");
  FUZZ_CHECK(folder + Joined(rest, rest.size()) == value);
  const std::string trimmed = WithoutTrailingBackslash(value, ShiftJisLeadByte);
  FUZZ_CHECK(trimmed == ReferenceWithoutTrailingBackslash(characters));
  FUZZ_CHECK(trimmed == value || trimmed + "\\" == value);

  // A lead byte and 0x5C are one character, like any other: before the path, they change its
  // folder and its trimmed form only by being there.
  const char lead = static_cast<char>(size % 2 ? 0x81 + size % 31 : 0xE0 + size % 29);
  const std::string kanji = std::string(1, lead) + "\\";
  const std::string plainFolder = FolderPartOf("x" + value, ShiftJisLeadByte);
  const std::string kanjiFolder = FolderPartOf(kanji + value, ShiftJisLeadByte);
  FUZZ_CHECK(plainFolder.empty() ? kanjiFolder.empty() : kanjiFolder == kanji + plainFolder.substr(1));
  FUZZ_CHECK(WithoutTrailingBackslash(kanji + value, ShiftJisLeadByte) ==
             kanji + WithoutTrailingBackslash("x" + value, ShiftJisLeadByte).substr(1));

  // The type: the last three characters, upper-cased. It reads bytes, so it is held to the
  // rule where those three bytes are whole characters.
  const MusicFileType type = MusicFileTypeOf(value);
  if (characters.size() >= 3 && characters[characters.size() - 3].size() == 1 &&
      characters[characters.size() - 2].size() == 1 && characters.back().size() == 1) {
    std::string last = value.substr(size - 3);
    for (char& c : last) {
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - ('a' - 'A'));
    }
    FUZZ_CHECK(type == (last == "MP3" ? MusicFileType::kMp3 : last == "WAV" ? MusicFileType::kWav : MusicFileType::kNone));
  } else if (size < 3) {
    FUZZ_CHECK(type == MusicFileType::kNone);
  }
  return 0;
}
