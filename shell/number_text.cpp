#include "shell/number_text.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

template <typename Char>
bool IsDigit(Char c) {
  return c >= '0' && c <= '9';
}

template <typename Char>
bool IsSkipped(Char c) {
  return c == ' ' || c == '\t' || c == '\n';
}

// Reads [sign] digits [. digits] [E [sign] digits] from `next()` into plain ASCII for strtod.
// `next` returns 0 at the end.
template <typename Next>
std::string ScanDecimal(Next next, bool strict, bool* whole) {
  std::string number;
  int c = next();
  if (c == '+' || c == '-') {
    number.push_back(static_cast<char>(c));
    c = next();
  }
  bool digits = false;
  while (c && IsDigit(c)) {
    number.push_back(static_cast<char>(c));
    digits = true;
    c = next();
  }
  if (c == '.') {
    number.push_back('.');
    c = next();
    while (c && IsDigit(c)) {
      number.push_back(static_cast<char>(c));
      digits = true;
      c = next();
    }
  }
  if (!digits) {
    *whole = false;
    return {};
  }
  if (c == 'E' || c == 'e') {
    std::string exponent = "e";
    int e = next();
    if (e == '+' || e == '-') {
      exponent.push_back(static_cast<char>(e));
      e = next();
    }
    bool expDigits = false;
    while (e && IsDigit(e)) {
      exponent.push_back(static_cast<char>(e));
      expDigits = true;
      e = next();
    }
    if (expDigits) {
      number += exponent;
      c = e;
    } else if (strict) {
      *whole = false;
      return {};
    }
  }
  *whole = (c == 0);
  return number;
}

template <typename Char>
double Lenient(std::basic_string_view<Char> text) {
  std::size_t i = 0;
  auto next = [&]() -> int {
    while (i < text.size() && IsSkipped(text[i])) ++i;
    if (i >= text.size()) return 0;
    const Char c = text[i++];
    // Only ASCII can continue a number; anything else ends it.
    return (c > 0 && c < 128) ? static_cast<int>(c) : -1;
  };
  bool whole = false;
  const std::string number = ScanDecimal(next, false, &whole);
  return number.empty() ? 0.0 : std::strtod(number.c_str(), nullptr);
}

}  // namespace

double LenientNumber(std::string_view text) { return Lenient(text); }
double LenientNumber(std::wstring_view text) { return Lenient(text); }

std::optional<std::int32_t> RoundToInt32(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  const double rounded = std::nearbyint(value);  // the default rounding: halves to even
  if (rounded < std::numeric_limits<std::int32_t>::min() ||
      rounded > std::numeric_limits<std::int32_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(rounded);
}

std::optional<std::int16_t> WholeNumber16(std::string_view text) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && (text[first] == ' ' || text[first] == '\t')) ++first;
  while (last > first && (text[last - 1] == ' ' || text[last - 1] == '\t')) --last;
  const std::string_view body = text.substr(first, last - first);
  std::size_t i = 0;
  auto next = [&]() -> int {
    if (i >= body.size()) return 0;
    const unsigned char c = static_cast<unsigned char>(body[i++]);
    return (c != 0 && c < 128) ? static_cast<int>(c) : -1;
  };
  bool whole = false;
  const std::string number = ScanDecimal(next, true, &whole);
  if (number.empty() || !whole) return std::nullopt;
  const double value = std::floor(std::strtod(number.c_str(), nullptr));
  if (!std::isfinite(value) || value < std::numeric_limits<std::int16_t>::min() ||
      value > std::numeric_limits<std::int16_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int16_t>(value);
}

std::int16_t LoadedSettingNumber(std::string_view text, std::int16_t previous) {
  if (text.empty()) return 0;
  return WholeNumber16(text).value_or(previous);
}

std::string NumberText(std::int16_t value) {
  const std::string digits = std::to_string(value);
  return value < 0 ? digits : " " + digits;
}
