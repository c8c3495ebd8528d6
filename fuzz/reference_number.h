#pragma once
// Decimal number text by its grammar alone, for the fuzz targets to hold the shell's readers
// against: [sign] digits [. digits] [e [sign] digits], at least one digit before the exponent,
// written as a table of states rather than as a scanner, so that a slip in one is not copied
// into the other.
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace reference {

// The states, by what has been read: nothing, a sign, digits, digits and a point, a point
// alone, a fraction's digits, an "e", an "e" and its sign, an exponent's digits.
constexpr int kStates = 9;
constexpr bool kComplete[kStates] = {false, false, true, true, false, true, false, false, true};
// The next state for a sign, a digit, a point and an "e"; -1 where the number cannot go on.
constexpr int kNext[kStates][4] = {
    {1, 2, 4, -1},   {-1, 2, 4, -1}, {-1, 2, 3, 6},  {-1, 5, -1, 6}, {-1, 5, -1, -1},
    {-1, 5, -1, 6},  {7, 8, -1, -1}, {-1, 8, -1, -1}, {-1, 8, -1, -1},
};

// Which column of kNext a character takes; -1 for one that is never part of a number.
inline int ColumnOf(char32_t c, bool exponent) {
  if (c == U'+' || c == U'-') return 0;
  if (c >= U'0' && c <= U'9') return 1;
  if (c == U'.') return 2;
  if (exponent && (c == U'e' || c == U'E')) return 3;
  return -1;
}

// The length of the longest start of `text` that is a complete number; 0 when none is.
inline std::size_t NumberLength(std::u32string_view text, bool exponent) {
  std::size_t longest = 0;
  int state = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const int column = ColumnOf(text[i], exponent);
    if (column < 0 || (state = kNext[state][column]) < 0) break;
    if (kComplete[state]) longest = i + 1;
  }
  return longest;
}

// The value of number text that NumberLength accepted (plain ASCII by then).
inline double ValueOf(std::u32string_view number) {
  std::string ascii;
  for (char32_t c : number) ascii.push_back(static_cast<char>(c));
  return std::strtod(ascii.c_str(), nullptr);
}

template <typename Char>
std::u32string Widened(std::basic_string_view<Char> text) {
  std::u32string wide;
  for (Char c : text) wide.push_back(static_cast<char32_t>(static_cast<std::make_unsigned_t<Char>>(c)));
  return wide;
}

// The lenient rule, from its words: blanks, tabs and line feeds count for nothing wherever
// they stand; the number is the longest start of what is left; no number reads as 0.
template <typename Char>
double Lenient(std::basic_string_view<Char> text) {
  std::u32string kept;
  for (char32_t c : Widened(text)) {
    if (c != U' ' && c != U'\t' && c != U'\n') kept.push_back(c);
  }
  const std::size_t length = NumberLength(kept, true);
  return length == 0 ? 0.0 : ValueOf(std::u32string_view(kept).substr(0, length));
}

// A text that is one number and nothing else, blanks and tabs around it allowed: its value.
template <typename Char>
std::optional<double> Whole(std::basic_string_view<Char> text, bool exponent) {
  std::u32string wide = Widened(text);
  const std::size_t first = wide.find_first_not_of(U" \t");
  if (first == std::u32string::npos) return std::nullopt;
  wide = wide.substr(first, wide.find_last_not_of(U" \t") + 1 - first);
  if (wide.empty() || NumberLength(wide, exponent) != wide.size()) return std::nullopt;
  return ValueOf(wide);
}

// The nearest whole number, a half going to the even one of its two neighbours.
inline double RoundedHalfToEven(double value) {
  const double below = std::floor(value);
  const double rest = value - below;
  if (rest < 0.5) return below;
  if (rest > 0.5) return below + 1;
  return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

}  // namespace reference
