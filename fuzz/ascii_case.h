#pragma once
// The 26 ASCII letters in either case, written out as the rules say them, for the fuzz
// targets' references: upper case, lower case, or swapped, everything else left as it is.
#include <string>
#include <string_view>

namespace ascii_case {

enum class Change { Upper, Lower, Swap };

template <class Char>
std::basic_string<Char> Changed(std::basic_string_view<Char> text, Change change) {
  constexpr char kLower[] = "abcdefghijklmnopqrstuvwxyz";
  constexpr char kUpper[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  std::basic_string<Char> out(text);
  for (Char& c : out) {
    for (int i = 0; i < 26; ++i) {
      if (c == static_cast<Char>(kLower[i]) && change != Change::Lower) {
        c = static_cast<Char>(kUpper[i]);
        break;
      }
      if (c == static_cast<Char>(kUpper[i]) && change != Change::Upper) {
        c = static_cast<Char>(kLower[i]);
        break;
      }
    }
  }
  return out;
}

}  // namespace ascii_case
