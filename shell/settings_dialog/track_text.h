#pragma once
// The CD track as the dialog's track box shows and reads it. No windows here.
#include <cstdint>
#include <string>
#include <string_view>

// The "##" number format: no leading zeros, and 0 gives the empty text ("", "7", "-3").
std::wstring TrackText(std::int16_t track);

// The track a typed text stands for: a text that is one decimal number (blanks around it,
// a sign, decimals and an exponent allowed; full-width digits read as digits) rounded to the
// nearest integer, halves to even. Anything else, the empty text, and a number outside the
// 16-bit range give 0.
std::int16_t TrackFromText(std::wstring_view text);
