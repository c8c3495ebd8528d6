#pragma once
// Number text as the shell reads and writes it. No windows here: every rule is unit tested.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The lenient rule: blanks, tabs and line feeds are skipped wherever they stand; reading
// stops at the first character that cannot continue a decimal number (sign, digits, one
// point, an exponent); a text without a number gives 0; a number too large gives infinity.
double LenientNumber(std::string_view text);
double LenientNumber(std::wstring_view text);

// The nearest 32-bit integer, halves to even; none when out of range or not a number.
std::optional<std::int32_t> RoundToInt32(double value);

// A text that is one decimal number and nothing else (blanks and tabs around it allowed):
// its whole-number part, rounded down, as a 16-bit integer. None when the text is no number
// or the whole part is out of range.
std::optional<std::int16_t> WholeNumber16(std::string_view text);

// A settings number as loaded: an empty text gives 0, a number its whole part, and anything
// else leaves `previous` as it was.
std::int16_t LoadedSettingNumber(std::string_view text, std::int16_t previous);

// The written form: a blank before a number that is not negative (" 0", " 2"), the minus
// sign before one that is ("-1").
std::string NumberText(std::int16_t value);
