#include "shell/settings_dialog/track_text.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

// Full-width forms of the characters a number is written with, as a Japanese keyboard types
// them, read as their ASCII forms.
wchar_t Narrow(wchar_t c) {
  if (c >= L'\uFF10' && c <= L'\uFF19') return static_cast<wchar_t>(L'0' + (c - L'\uFF10'));
  switch (c) {
    case L'\uFF0B': return L'+';
    case L'\uFF0D': return L'-';
    case L'\uFF0E': return L'.';
    case L'\uFF25': return L'E';
    case L'\uFF45': return L'e';
    case L'\u3000': return L' ';
    default: return c;
  }
}

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// [sign] digits [. digits] [e [sign] digits], with at least one digit before the exponent,
// and nothing else but blanks around it. The ASCII text for strtod, or empty.
std::string DecimalText(std::wstring_view text) {
  std::wstring s;
  for (wchar_t c : text) s.push_back(Narrow(c));
  std::size_t i = 0;
  std::size_t end = s.size();
  while (i < end && IsBlank(s[i])) ++i;
  while (end > i && IsBlank(s[end - 1])) --end;
  std::string number;
  if (i < end && (s[i] == L'+' || s[i] == L'-')) number.push_back(static_cast<char>(s[i++]));
  bool digits = false;
  while (i < end && IsDigit(s[i])) {
    number.push_back(static_cast<char>(s[i++]));
    digits = true;
  }
  if (i < end && s[i] == L'.') {
    number.push_back('.');
    ++i;
    while (i < end && IsDigit(s[i])) {
      number.push_back(static_cast<char>(s[i++]));
      digits = true;
    }
  }
  if (!digits) return {};
  if (i < end && (s[i] == L'e' || s[i] == L'E')) {
    number.push_back('e');
    ++i;
    if (i < end && (s[i] == L'+' || s[i] == L'-')) number.push_back(static_cast<char>(s[i++]));
    bool exponentDigits = false;
    while (i < end && IsDigit(s[i])) {
      number.push_back(static_cast<char>(s[i++]));
      exponentDigits = true;
    }
    if (!exponentDigits) return {};
  }
  return i == end ? number : std::string();
}

}  // namespace

std::wstring TrackText(std::int16_t track) {
  return track == 0 ? std::wstring() : std::to_wstring(track);
}

std::int16_t TrackFromText(std::wstring_view text) {
  const std::string number = DecimalText(text);
  if (number.empty()) return 0;
  // The default rounding mode: halves go to the even neighbour.
  const double rounded = std::nearbyint(std::strtod(number.c_str(), nullptr));
  if (!std::isfinite(rounded) || rounded < std::numeric_limits<std::int16_t>::min() ||
      rounded > std::numeric_limits<std::int16_t>::max()) {
    return 0;
  }
  return static_cast<std::int16_t>(rounded);
}
