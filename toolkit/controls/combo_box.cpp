#include "toolkit/controls/combo_box.h"


#include "toolkit/accessible_window.h"
#include "toolkit/dpi.h"

namespace toolkit::controls {
namespace {
constexpr int kListRows = 8;  // list entries shown when it drops down
}  // namespace

// The order is important: the window goes before the font it uses.
ComboBox::~ComboBox() {
  if (hwnd()) DestroyWindow(hwnd());
}

bool ComboBox::Create(Window& parent, const ComboBoxDesign& design) {
  if (hwnd()) return false;
  font_ = CreateFontOf(design.font);
  name_ = design.name;
  const RECT place = PixelsOf(design.bounds);
  const int width = place.right - place.left;
  if (!Window::Create({.className = L"COMBOBOX", .platformClass = true,
                       .style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN |
                                CBS_AUTOHSCROLL,
                       .left = place.left, .top = place.top, .width = width,
                       .height = place.bottom - place.top, .parent = parent.hwnd()})) {
    return false;
  }
  if (font_) SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  // A combo box's window height includes its dropped-down list.
  const LRESULT field = SendMessageW(hwnd(), CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
  const LRESULT row = SendMessageW(hwnd(), CB_GETITEMHEIGHT, 0, 0);
  if (field > 0 && row > 0) {
    SetWindowPos(hwnd(), nullptr, 0, 0, width, static_cast<int>(field + 8 + kListRows * row + 2),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  return true;
}

std::wstring ComboBox::Text() const { return WindowText(hwnd()); }

void ComboBox::SetText(const std::wstring& text) {
  if (hwnd()) SetWindowTextW(hwnd(), text.c_str());
}

void ComboBox::AddItem(const std::wstring& item) {
  if (hwnd()) SendMessageW(hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

void ComboBox::SetEnabled(bool enabled) {
  if (hwnd()) EnableWindow(hwnd(), enabled);
}

Accessibility ComboBox::Describe() const {
  Accessibility about{.name = name_, .role = ROLE_SYSTEM_COMBOBOX, .value = Text(), .defaultAction = kOpenAction};
  // The focus is in the combo box's own text field.
  const HWND focus = GetFocus();
  if (focus && (focus == hwnd() || IsChild(hwnd(), focus))) about.states |= STATE_SYSTEM_FOCUSED;
  if (hwnd() && SendMessageW(hwnd(), CB_GETDROPPEDSTATE, 0, 0)) about.states |= STATE_SYSTEM_EXPANDED;
  return about;
}

bool ComboBox::DoDefaultAction() {
  if (!hwnd() || !IsWindowEnabled(hwnd())) return false;
  const bool open = SendMessageW(hwnd(), CB_GETDROPPEDSTATE, 0, 0) != 0;
  SendMessageW(hwnd(), CB_SHOWDROPDOWN, !open, 0);
  return true;
}

LRESULT ComboBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_GETOBJECT || IsDefaultActionMessage(message)) {
    return Window::HandleMessage(message, wParam, lParam);
  }
  return DefaultHandling(message, wParam, lParam);
}

}  // namespace toolkit::controls
