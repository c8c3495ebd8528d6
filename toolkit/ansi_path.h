#pragma once
// A path for the A functions, which take text in the system's ANSI code page: the path itself
// where the code page holds its name, else its short (8.3) form where the volume has one.
#include <windows.h>

#include <optional>
#include <string>

namespace toolkit {

// The path in the ANSI code page, or nothing when neither it nor a short form of it can be
// written there (a volume without short names, or a short name the code page cannot hold
// either). The short form is asked for only when needed, and the path must exist for it.
std::optional<std::string> AnsiPath(const std::wstring& path);

// The GetShortPathNameW that AnsiPath calls: a seam for volumes without short names, which
// Wine never has (it makes one up for every long name). Returns the call it replaces.
using ShortPathCall = DWORD(WINAPI*)(LPCWSTR longPath, LPWSTR shortPath, DWORD size);
ShortPathCall ReplaceShortPathCall(ShortPathCall call);

}  // namespace toolkit
