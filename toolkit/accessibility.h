#pragma once
// What a control tells a screen reader about itself (Microsoft Active Accessibility): its
// name, role, value, states and default action.
#include <windows.h>
#include <oleacc.h>

#include <string>

namespace toolkit {

struct Accessibility {
  std::wstring name{};
  long role = 0;  // ROLE_SYSTEM_...; 0: not shown to a screen reader (a decoration)
  std::wstring value{};
  long states = 0;  // STATE_SYSTEM_...
  std::wstring defaultAction{};  // what the default action is called; empty: there is none
};

// The default actions' names, as a Japanese system names those of its own controls.
inline constexpr wchar_t kPressAction[] = L"\u62BC\u3059";                  // 押す
inline constexpr wchar_t kCheckAction[] = L"\u30C1\u30A7\u30C3\u30AF";      // チェック
inline constexpr wchar_t kJumpAction[] = L"\u30B8\u30E3\u30F3\u30D7";       // ジャンプ
inline constexpr wchar_t kOpenAction[] = L"\u958B\u304F";                  // 開く

}  // namespace toolkit
