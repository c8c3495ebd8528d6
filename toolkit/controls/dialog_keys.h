#pragma once
// The keyboard of a dialog for a form that is not one: Tab and Shift+Tab move the focus
// along the tab stops (into picture boxes too), Escape asks to close, and activating the
// form again gives the focus back to the control that had it (the first tab stop at first).
#include <windows.h>

#include <functional>

namespace toolkit::controls {

class DialogKeys {
 public:
  // A message of the form's loop, before it is dispatched; true when it was used.
  bool PreTranslate(HWND form, MSG& message);
  // A message of the form's own window; true when it was handled (result set).
  bool HandleMessage(HWND form, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

  // Escape was pressed.
  std::function<void()> Escape;

 private:
  HWND lastFocus_ = nullptr;
};

}  // namespace toolkit::controls
