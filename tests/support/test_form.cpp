#include "tests/support/test_form.h"

namespace {

class Form final : public toolkit::Window {
 public:
  Form() {
    SetBackground(FormBackground());
    Create({.className = L"KorvaneTestForm",
            .style = WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE | WS_CLIPCHILDREN,
            .title = L"test form", .left = 30, .top = 30, .width = 420, .height = 300});
  }
};

}  // namespace

COLORREF FormBackground() { return RGB(40, 90, 40); }

toolkit::Window& TestFormWindow() {
  static Form form;
  return form;
}

HWND TestForm() { return TestFormWindow().hwnd(); }

void ActivateTestForm() {
  HWND form = TestForm();
  SetForegroundWindow(form);
  SetActiveWindow(form);
  SetFocus(form);
}

POINT FormToScreen(int x, int y) {
  POINT point{x, y};
  ClientToScreen(TestForm(), &point);
  return point;
}
