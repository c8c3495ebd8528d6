#pragma once
// The one reader of decimal number text in the shell: [sign] digits [. digits] [e [sign]
// digits], at least one digit before the exponent. Callers keep their own rules around it:
// which characters they skip or narrow (through `next`), whether an exponent is allowed, and
// what a number followed by more text means. No windows here.
#include <string>
#include <string_view>
#include <type_traits>

struct DecimalScan {
  std::string ascii;  // the number as plain ASCII for strtod; empty when there is none
  bool whole = false;  // the number ran to the end of the text
};

enum class Exponent {
  kNone,     // an "e" ends the number
  kStrict,   // an "e" must be followed by digits, or there is no number
  kLenient,  // an "e" without digits ends the number before it
};

// `next()` gives the text's characters one by one as ints, 0 at its end and -1 for one that
// can never be part of a number.
template <typename Next>
DecimalScan ScanDecimal(Next next, Exponent exponent) {
  // Appends the digits from `c` on; true when there was one. `c` ends as the next character.
  auto digits = [&next](int& c, std::string& into) {
    bool any = false;
    for (; c >= '0' && c <= '9'; c = next(), any = true) into.push_back(static_cast<char>(c));
    return any;
  };
  auto sign = [&next](int& c, std::string& into) {
    if (c != '+' && c != '-') return;
    into.push_back(static_cast<char>(c));
    c = next();
  };
  DecimalScan scan;
  std::string& number = scan.ascii;
  int c = next();
  sign(c, number);
  bool any = digits(c, number);
  if (c == '.') {
    number.push_back('.');
    c = next();
    any = digits(c, number) || any;
  }
  if (!any) return DecimalScan{};
  if ((c == 'E' || c == 'e') && exponent != Exponent::kNone) {
    std::string part = "e";
    int e = next();
    sign(e, part);
    if (digits(e, part)) {
      number += part;
      c = e;
    } else if (exponent == Exponent::kStrict) {
      return DecimalScan{};
    }
  }
  scan.whole = c == 0;
  return scan;
}

// The whole text, blanks and tabs around it allowed, as one number: `whole` is false when
// anything else follows it. Characters outside ASCII are never part of a number.
template <typename Char>
DecimalScan ScanTrimmed(std::basic_string_view<Char> text, Exponent exponent) {
  auto blank = [](Char c) { return c == Char(' ') || c == Char('\t'); };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  std::size_t i = 0;
  auto next = [&]() -> int {
    if (i >= text.size()) return 0;
    const auto c = static_cast<std::make_unsigned_t<Char>>(text[i++]);
    return (c != 0 && c < 128) ? static_cast<int>(c) : -1;
  };
  return ScanDecimal(next, exponent);
}
