// A value of the settings file as the profile functions give it back (bytes in the ANSI code
// page, Shift-JIS here), read as each key's rule reads it: the music kind and the CD track as
// numbers, the music file's folder and type.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "shell/text/music_file_type.h"
#include "shell/text/number_text.h"
#include "shell/text/path_text.h"

namespace {

// Code page 932's lead bytes, as IsDBCSLeadByte answers for it.
bool ShiftJisLeadByte(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

bool StartsWith(std::string_view text, std::string_view start) { return text.substr(0, start.size()) == start; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view value(reinterpret_cast<const char*>(data), size);

  // A number loads as its whole part, an empty text as 0, anything else keeps what was there;
  // what is written loads back as itself.
  constexpr std::int16_t kPrevious = 7;
  const std::int16_t loaded = LoadedSettingNumber(value, kPrevious);
  const auto whole = WholeNumber16(value);
  if (value.empty()) {
    FUZZ_CHECK(loaded == 0);
  } else {
    FUZZ_CHECK(loaded == whole.value_or(kPrevious));
  }
  const std::string written = NumberText(loaded);
  FUZZ_CHECK(LoadedSettingNumber(written, kPrevious) == loaded);
  FUZZ_CHECK((loaded < 0) == (written.front() == '-') && (loaded < 0 || written.front() == ' '));

  // The lenient rule of the preview's window number, on the same bytes.
  const double lenient = LenientNumber(value);
  const auto rounded = RoundToInt32(lenient);
  if (rounded) FUZZ_CHECK(*rounded - lenient <= 0.5 && lenient - *rounded <= 0.5);

  // The music file's folder is a start of its path, never ending in the backslash.
  const std::string folder = FolderPartOf(value, ShiftJisLeadByte);
  FUZZ_CHECK(StartsWith(value, folder));
  const std::string trimmed = WithoutTrailingBackslash(value, ShiftJisLeadByte);
  FUZZ_CHECK(StartsWith(value, trimmed) && value.size() - trimmed.size() <= 1);

  const MusicFileType type = MusicFileTypeOf(std::string(value));
  if (type != MusicFileType::kNone) FUZZ_CHECK(value.size() >= 3);
  return 0;
}
