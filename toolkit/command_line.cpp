#include "toolkit/command_line.h"

namespace toolkit {
namespace {

bool IsSeparator(wchar_t c) { return c == L' ' || c == L'\t'; }

wchar_t FoldAscii(wchar_t c) { return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - 32) : c; }

// Windows paths ignore case; only ASCII is folded, which is all a drive and folder match needs.
bool StartsWithPath(std::wstring_view line, std::wstring_view path) {
  if (path.empty() || line.size() < path.size()) return false;
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (FoldAscii(line[i]) != FoldAscii(path[i])) return false;
  }
  return line.size() == path.size() || IsSeparator(line[path.size()]);
}

std::size_t EndOfProgramPath(std::wstring_view line, std::wstring_view programPath) {
  if (!line.empty() && line.front() == L'"') {
    const std::size_t close = line.find(L'"', 1);
    return close == std::wstring_view::npos ? line.size() : close + 1;
  }
  if (StartsWithPath(line, programPath)) return programPath.size();
  const std::size_t blank = line.find_first_of(L" \t");
  return blank == std::wstring_view::npos ? line.size() : blank;
}

}  // namespace

std::wstring_view ArgumentTextOf(std::wstring_view commandLine, std::wstring_view programPath) {
  std::size_t start = EndOfProgramPath(commandLine, programPath);
  while (start < commandLine.size() && IsSeparator(commandLine[start])) ++start;
  return commandLine.substr(start);
}

}  // namespace toolkit
