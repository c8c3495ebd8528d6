#include "shell/settings_dialog/track_text.h"

#include <cmath>
#include <cstdlib>
#include <limits>

#include "shell/text/decimal_scan.h"

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

// One decimal number with blanks around it, exponent digits required: its ASCII text for
// strtod, or empty.
std::string DecimalText(std::wstring_view text) {
  std::wstring narrow;
  for (wchar_t c : text) narrow.push_back(Narrow(c));
  const DecimalScan number = ScanTrimmed(std::wstring_view(narrow), Exponent::kStrict);
  return number.whole ? number.ascii : std::string();
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
