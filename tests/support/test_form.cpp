#include "tests/support/test_form.h"

namespace {

constexpr char kFormClass[] = "KorvaneTestForm";

LRESULT CALLBACK FormProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

COLORREF FormBackground() { return RGB(40, 90, 40); }

HWND TestForm() {
  static HWND form = [] {
    WNDCLASSA formClass{};
    formClass.lpfnWndProc = FormProcedure;
    formClass.hInstance = GetModuleHandleA(nullptr);
    formClass.hbrBackground = CreateSolidBrush(FormBackground());
    formClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    formClass.lpszClassName = kFormClass;
    RegisterClassA(&formClass);
    return CreateWindowExA(0, kFormClass, "test form",
                           WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE | WS_CLIPCHILDREN, 30, 30, 420,
                           300, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  }();
  return form;
}

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
