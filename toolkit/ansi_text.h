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

// The calls ToAnsi makes: a seam for the conversion rule Wine does not enforce (on Windows,
// code page 65001 and some others take no flags but WC_ERR_INVALID_CHARS and no default
// character), and for the code page it converts to.
struct AnsiTextCalls {
  UINT(WINAPI* getAcp)() = &GetACP;
  int(WINAPI* wideCharToMultiByte)(UINT, DWORD, LPCWCH, int, LPSTR, int, LPCCH, LPBOOL) = &WideCharToMultiByte;
};
// Returns the calls it replaces; pass them back to restore them.
AnsiTextCalls ReplaceAnsiTextCalls(AnsiTextCalls calls);

}  // namespace toolkit
