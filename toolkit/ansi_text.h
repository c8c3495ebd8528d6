#pragma once
// Text in the system's ANSI code page, as the A functions of Win32 take it.
#include <string>
#include <string_view>

namespace toolkit {

// Converts to the ANSI code page. `exact` (optional) is set to false when a character has
// no form there and was replaced; no best-fit look-alikes are used.
std::string ToAnsi(std::wstring_view text, bool* exact = nullptr);
std::wstring FromAnsi(std::string_view text);

// True for the first byte of a two-byte character in the ANSI code page (code page 932 has
// them; single-byte code pages have none), so byte-wise searches can skip trail bytes.
bool IsAnsiLeadByte(unsigned char byte);

}  // namespace toolkit
