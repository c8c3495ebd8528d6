#pragma once
// The modal message box, in Unicode so that its text reads correctly under any code page.
#include <windows.h>

#include <string>

namespace toolkit {

// Shows the box and waits until it is dismissed; returns the button pressed (IDOK, ...).
// `style` is the MB_ combination as given, 0 being MB_OK without an icon.
int ShowMessageBox(const std::wstring& text, const std::wstring& caption, UINT style = MB_OK,
                   HWND owner = nullptr);

}  // namespace toolkit
