#pragma once
// A path for the A functions, which take text in the system's ANSI code page: the path itself
// where the code page holds its name, else its short (8.3) form where the volume has one.
#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>

namespace toolkit {

// The path in the ANSI code page in at most `maxBytes` bytes, or nothing when neither it nor
// a short form of it can be written there (a volume without short names, or a short name the
// code page cannot hold or that is too long too). The short form is asked for only when
// needed, and the path must exist for it.
std::optional<std::string> AnsiPath(const std::wstring& path,
                                    std::size_t maxBytes = std::string::npos);

// The call AnsiPath makes for a short form: a seam for volumes without short names, which
// Wine never has (it makes one up for every long name).
struct AnsiPathCalls {
  DWORD(WINAPI* getShortPathName)(LPCWSTR longPath, LPWSTR shortPath,
                                  DWORD size) = &GetShortPathNameW;
};

// Returns the calls it replaces; pass them back to restore them.
AnsiPathCalls ReplaceAnsiPathCalls(AnsiPathCalls calls);

}  // namespace toolkit
