#pragma once
// While it lives, toolkit::AnsiPath sees a volume without short (8.3) names. Such volumes are
// common on Windows (their creation is often turned off); GetShortPathNameW then "will
// succeed, but will return the long-name path instead" (GetShortPathNameW on
// learn.microsoft.com). Wine makes a short name up for every long name, so this keeps the rule.
#include <windows.h>

#include <cwchar>

#include "harness/replaced_calls.h"
#include "toolkit/ansi_path.h"

class NoShortNames : ReplacedCalls<toolkit::AnsiPathCalls, &toolkit::ReplaceAnsiPathCalls> {
 public:
  NoShortNames() : ReplacedCalls({.getShortPathName = &LongPathBack}) {}

 private:
  static DWORD WINAPI LongPathBack(LPCWSTR longPath, LPWSTR shortPath, DWORD size) {
    const DWORD length = static_cast<DWORD>(std::wcslen(longPath));
    if (!shortPath || size <= length) return length + 1;
    std::wcscpy(shortPath, longPath);
    return length;
  }
};
