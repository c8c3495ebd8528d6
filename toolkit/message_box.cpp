#include "toolkit/message_box.h"

namespace toolkit {

int ShowMessageBox(const std::wstring& text, const std::wstring& caption, UINT style, HWND owner) {
  return MessageBoxW(owner, text.c_str(), caption.c_str(), style);
}

}  // namespace toolkit
