#pragma once
// Text in the system's ANSI code page, as the A functions of Win32 take it.
#include <windows.h>

#include <string>
#include <string_view>

namespace toolkit {

// Converts to the ANSI code page. `exact` (optional) is set to false when a character has
// no form there; such a character becomes "?", never a best-fit look-alike.
std::string ToAnsi(std::wstring_view text, bool* exact = nullptr);
std::wstring FromAnsi(std::string_view text);
// A fixed text written in UTF-8 in our sources, in the ANSI code page.
std::string AnsiFromUtf8(const char* utf8);

// True for the first byte of a two-byte character in the ANSI code page (code page 932 has
// them; single-byte code pages and UTF-8 have none that a trail byte could be mistaken for),
// so byte-wise searches can skip trail bytes.
bool IsAnsiLeadByte(unsigned char byte);

// ToAnsi for any code page, through `convert` (WideCharToMultiByte, or a stand-in that keeps
// a Windows rule Wine does not). It passes no flags and no default character: code page
// 65001 and others refuse them, and exactness is checked by converting back instead.
using WideToMultiByte = int(WINAPI*)(UINT, DWORD, LPCWCH, int, LPSTR, int, LPCCH, LPBOOL);
std::string ToCodePage(UINT codePage, std::wstring_view text, bool* exact,
                       WideToMultiByte convert = WideCharToMultiByte);

}  // namespace toolkit
