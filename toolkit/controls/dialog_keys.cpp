#include "toolkit/controls/dialog_keys.h"

namespace toolkit::controls {

bool DialogKeys::PreTranslate(HWND form, MSG& message) {
  if (!form || (message.hwnd != form && !IsChild(form, message.hwnd))) return false;
  return IsDialogMessageW(form, &message) != FALSE;
}

bool DialogKeys::HandleMessage(HWND form, UINT message, WPARAM wParam, LPARAM /*lParam*/,
                               LRESULT& result) {
  result = 0;
  switch (message) {
    case WM_COMMAND:
      // The dialog keys arrive as the commands of the buttons a dialog would have.
      if (LOWORD(wParam) == IDCANCEL) {
        if (Escape) {
          auto handler = Escape;  // may close the form
          handler();
        }
        return true;
      }
      return LOWORD(wParam) == IDOK;  // Enter: no button here takes it
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(form, focus)) lastFocus_ = focus;
      }
      return false;
    case WM_SETFOCUS: {
      HWND target = lastFocus_ && IsChild(form, lastFocus_) && IsWindowEnabled(lastFocus_)
                        ? lastFocus_
                        : GetNextDlgTabItem(form, nullptr, FALSE);
      if (target) SetFocus(target);
      return true;
    }
    default:
      return false;
  }
}

}  // namespace toolkit::controls
