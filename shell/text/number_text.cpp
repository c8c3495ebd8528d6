#include "shell/text/number_text.h"

#include <cmath>
#include <cstdlib>
#include <limits>

#include "shell/text/decimal_scan.h"

namespace {

template <typename Char>
bool IsSkipped(Char c) {
  return c == ' ' || c == '\t' || c == '\n';
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
  const std::string number = ScanDecimal(next, Exponent::kLenient).ascii;
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
  const DecimalScan number = ScanTrimmed(text, Exponent::kStrict);
  if (number.ascii.empty() || !number.whole) return std::nullopt;
  const double value = std::floor(std::strtod(number.ascii.c_str(), nullptr));
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
