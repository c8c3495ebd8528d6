#include "toolkit/ansi_path.h"

#include "toolkit/ansi_text.h"

namespace toolkit {
namespace {
ShortPathCall shortPathOf = &GetShortPathNameW;
}

ShortPathCall ReplaceShortPathCall(ShortPathCall call) {
  const ShortPathCall previous = shortPathOf;
  shortPathOf = call;
  return previous;
}

std::optional<std::string> AnsiPath(const std::wstring& path) {
  bool exact = true;
  std::string ansi = ToAnsi(path, &exact);
  if (exact) return ansi;
  const DWORD size = shortPathOf(path.c_str(), nullptr, 0);
  if (size == 0) return std::nullopt;
  std::wstring shortForm(size, L'\0');
  const DWORD length = shortPathOf(path.c_str(), shortForm.data(), size);
  if (length == 0 || length >= size) return std::nullopt;
  shortForm.resize(length);
  // Without an 8.3 name for a component, Windows hands that long component back unchanged.
  std::string shortAnsi = ToAnsi(shortForm, &exact);
  if (!exact) return std::nullopt;
  return shortAnsi;
}

}  // namespace toolkit
