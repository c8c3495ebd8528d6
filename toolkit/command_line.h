#pragma once
// Splitting a process's command line. No windows here, so every shape is unit tested.
#include <string_view>

namespace toolkit {

// The part of `commandLine` that follows the program's path, without the blanks and tabs
// that separate the two. A quoted path ends at its closing quote; an unquoted one at the
// first blank or tab, unless the line starts with `programPath` itself (a path with blanks
// that its starter did not quote), which is then taken whole.
std::wstring_view ArgumentTextOf(std::wstring_view commandLine,
                                 std::wstring_view programPath = {});

}  // namespace toolkit
