#include "toolkit/ansi_path.h"

#include "toolkit/ansi_text.h"

namespace toolkit {
namespace {
AnsiPathCalls calls;
}

AnsiPathCalls ReplaceAnsiPathCalls(AnsiPathCalls replacement) {
  const AnsiPathCalls previous = calls;
  calls = replacement;
  return previous;
}

std::optional<std::string> AnsiPath(const std::wstring& path, std::size_t maxBytes) {
  bool exact = true;
  std::string ansi = ToAnsi(path, &exact);
  if (exact && ansi.size() <= maxBytes) return ansi;
  const DWORD size = calls.getShortPathName(path.c_str(), nullptr, 0);
  if (size == 0) return std::nullopt;
  std::wstring shortForm(size, L'\0');
  const DWORD length = calls.getShortPathName(path.c_str(), shortForm.data(), size);
  if (length == 0 || length >= size) return std::nullopt;
  shortForm.resize(length);
  // Without an 8.3 name for a component, Windows hands that long component back unchanged.
  std::string shortAnsi = ToAnsi(shortForm, &exact);
  if (!exact || shortAnsi.size() > maxBytes) return std::nullopt;
  return shortAnsi;
}

}  // namespace toolkit
