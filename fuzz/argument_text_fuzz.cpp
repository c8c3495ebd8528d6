// The screen-saver command line as Windows hands it over, read as start-up reads it.
// Input: UTF-16LE text (Windows' wide text); its first line is the program's path as the
// module knows it, the rest the command line (GetCommandLineW).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "shell/startup/modes.h"
#include "shell/text/number_text.h"
#include "toolkit/command_line.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::wstring text;
  for (std::size_t i = 0; i + 1 < size; i += 2) text.push_back(static_cast<wchar_t>(data[i] | data[i + 1] << 8));
  const std::size_t newline = text.find(L'\n');
  const std::wstring program = newline == std::wstring::npos ? L"" : text.substr(0, newline);
  const std::wstring line = newline == std::wstring::npos ? text : text.substr(newline + 1);

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
