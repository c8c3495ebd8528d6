// The screen-saver command line as Windows hands it over, read as start-up reads it.
// Input: UTF-16LE text (Windows' wide text); its first line is the program's path as the
// module knows it, the rest the command line (GetCommandLineW).
//
// The checks come from the rules, not from the code: command lines joined from a path and an
// argument text split back into that argument text; the mode letter and the preview window's
// number read again by the rules' own words (the second character of the upper-cased text;
// the lenient number from the fourth character on, rounded halves to even).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "fuzz/ascii_case.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/reference_number.h"
#include "shell/startup/modes.h"
#include "shell/text/number_text.h"
#include "toolkit/command_line.h"

namespace {

std::wstring SwappedAsciiCase(std::wstring_view text) { return ascii_case::Changed(text, ascii_case::Change::Swap); }

std::wstring UpperCased(std::wstring_view text) { return ascii_case::Changed(text, ascii_case::Change::Upper); }

std::wstring Without(std::wstring_view text, std::wstring_view characters) {
  std::wstring kept;
  for (wchar_t c : text) {
    if (characters.find(c) == characters.npos) kept.push_back(c);
  }
  return kept;
}

std::wstring Split(std::wstring_view line, std::wstring_view program = {}) {
  return std::wstring(toolkit::ArgumentTextOf(line, program));
}

// The preview window's number by its rule: the lenient number of the text from its fourth
// character on, the nearest 32-bit integer (halves to even), 0 when there is none.
std::int32_t ReferenceWindowNumber(std::wstring_view argumentText) {
  const double value = reference::Lenient(argumentText.substr(std::min<std::size_t>(3, argumentText.size())));
  const double rounded = reference::RoundedHalfToEven(value);
  if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) return 0;
  return static_cast<std::int32_t>(rounded);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::wstring text;
  for (std::size_t i = 0; i + 1 < size; i += 2) text.push_back(static_cast<wchar_t>(data[i] | data[i + 1] << 8));
  const std::size_t newline = text.find(L'\n');
  const std::wstring program = newline == std::wstring::npos ? L"" : text.substr(0, newline);
  const std::wstring line = newline == std::wstring::npos ? text : text.substr(newline + 1);

  // Any line: the arguments are its end, without the blanks that separate them.
  const std::wstring arguments = Split(line, program);
  FUZZ_CHECK(arguments.size() <= line.size());
  FUZZ_CHECK(line.compare(line.size() - arguments.size(), arguments.size(), arguments) == 0);
  FUZZ_CHECK(arguments.empty() || (arguments.front() != L' ' && arguments.front() != L'\t'));
  // Windows paths ignore case.
  FUZZ_CHECK(Split(line, SwappedAsciiCase(program)) == arguments);

  // Joined, then split: the argument text comes back whole, however the path was written. A
  // path holds no quote; the argument text starts after the separating blanks.
  const std::wstring path = Without(program, L"\"");
  const std::wstring argument(line.substr(std::min(line.find_first_not_of(L" \t"), line.size())));
  const std::wstring separator = size % 2 ? L" " : L"\t ";
  FUZZ_CHECK(Split(L"\"" + path + L"\"" + argument, path) == argument);
  FUZZ_CHECK(Split(L"\"" + path + L"\"" + separator + argument) == argument);
  // Unquoted, with blanks: known only as the program's own path, in any case.
  FUZZ_CHECK(Split(path + separator + argument, path) == argument);
  FUZZ_CHECK(Split(path + separator + argument, SwappedAsciiCase(path)) == argument);
  // Unquoted and without blanks, any path ends at the separator.
  FUZZ_CHECK(Split(Without(path, L" \t") + separator + argument) == argument);

  // The mode letter: the second character of the upper-cased text. The first is never
  // examined, and case never matters.
  const wchar_t mode = ModeLetter(arguments);
  const std::wstring upper = UpperCased(arguments);
  FUZZ_CHECK(mode == (upper.size() < 2 ? 0 : upper[1]));
  if (!arguments.empty()) {
    FUZZ_CHECK(ModeLetter(L"-" + arguments.substr(1)) == mode);
    FUZZ_CHECK(ModeLetter(SwappedAsciiCase(arguments)) == mode);
  }

  // The preview window's number, by its rule; and a number written after "/p " reads back.
  FUZZ_CHECK(ParentWindowNumber(arguments) == ReferenceWindowNumber(arguments));
  if (size >= 4) {
    std::int32_t handle;
    std::memcpy(&handle, data, sizeof handle);
    FUZZ_CHECK(ParentWindowNumber(L"/p " + std::to_wstring(handle)) == handle);
    FUZZ_CHECK(ParentWindowNumber(L"/P\t" + std::to_wstring(handle) + L"\n ") == handle);
  }

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
