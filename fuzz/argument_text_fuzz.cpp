// The screen-saver command line as Windows hands it over, read as start-up reads it.
// Input: UTF-8 text; its first line is the program's path as the module knows it, the rest the
// command line (GetCommandLineW). Bytes that are not UTF-8 stand for themselves.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "shell/startup/modes.h"
#include "shell/text/number_text.h"
#include "toolkit/command_line.h"

namespace {

// UTF-16 code units, as Windows' wide text holds them.
std::wstring Utf16(std::string_view bytes) {
  std::wstring units;
  for (std::size_t i = 0; i < bytes.size();) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    const int more = b >= 0xF0 && b < 0xF8 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
    char32_t c = more == 0 ? b : b & (0x3F >> more);
    bool valid = b < 0x80 || more > 0;
    for (int k = 1; valid && k <= more; ++k) {
      const auto next = i + k < bytes.size() ? static_cast<unsigned char>(bytes[i + k]) : 0;
      valid = (next & 0xC0) == 0x80;
      c = (c << 6) | (next & 0x3F);
    }
    if (!valid || c > 0x10FFFF) {
      units.push_back(b);
      i += 1;
      continue;
    }
    if (c > 0xFFFF) {
      units.push_back(static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10)));
      units.push_back(static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
    } else {
      units.push_back(static_cast<wchar_t>(c));
    }
    i += 1 + more;
  }
  return units;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t newline = input.find('\n');
  const std::wstring program = Utf16(input.substr(0, newline == std::string_view::npos ? 0 : newline));
  const std::wstring line = Utf16(newline == std::string_view::npos ? input : input.substr(newline + 1));

  const std::wstring_view arguments = toolkit::ArgumentTextOf(line, program);
  // The arguments are the end of the line, without the blanks that separate them.
  FUZZ_CHECK(arguments.size() <= line.size());
  FUZZ_CHECK(line.compare(line.size() - arguments.size(), arguments.size(), arguments) == 0);
  FUZZ_CHECK(arguments.empty() || (arguments.front() != L' ' && arguments.front() != L'\t'));

  const wchar_t mode = ModeLetter(arguments);
  if (arguments.size() < 2) {
    FUZZ_CHECK(mode == 0);
  } else {
    FUZZ_CHECK(mode == arguments[1] || (arguments[1] >= L'a' && arguments[1] <= L'z' && mode == arguments[1] - 32));
  }
  const std::int32_t handle = ParentWindowNumber(arguments);
  if (arguments.size() <= 3) FUZZ_CHECK(handle == 0);

  // The lenient number reads narrow and wide text alike: the same characters, the same number.
  std::string narrow;
  for (wchar_t c : arguments) {
    if (c > 0xFF) return 0;
    narrow.push_back(static_cast<char>(c));
  }
  const double wide = LenientNumber(arguments);
  const double bytes = LenientNumber(std::string_view(narrow));
  FUZZ_CHECK(wide == bytes || (wide != wide && bytes != bytes));
  return 0;
}
