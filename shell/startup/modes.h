#pragma once
// The screen-saver argument text (/s, /p <handle>, /c[:<handle>], /a <handle>) as start-up
// reads it. No windows here.
#include <cstdint>
#include <string_view>

// The second character of the text, upper-cased (a to z only: nothing else can become P, C or
// S); 0 when the text has fewer than two characters. The first is never examined, so /s, -s
// and xs are the same request.
wchar_t ModeLetter(std::wstring_view argumentText);

// The preview window's handle: the lenient number read from the fourth character on of the
// unchanged text (/p 1234 gives 1234, /p1234 gives 234), rounded; 0 when there is no number or
// it does not fit 32 bits.
std::int32_t ParentWindowNumber(std::wstring_view argumentText);
