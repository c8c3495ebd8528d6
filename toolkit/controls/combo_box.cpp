#include "toolkit/controls/combo_box.h"

#include <utility>
#include <vector>

namespace toolkit::controls {

ComboBox::ComboBox(ComboBoxDesign design) : design_(std::move(design)) {}

ComboBox::~ComboBox() {
  if (window_ && IsWindow(window_)) DestroyWindow(window_);
}

bool ComboBox::Create(HWND parent) {
  if (window_) return false;
  font_ = CreateFontOf(design_.font);
  const RECT& b = design_.bounds;
  window_ = CreateWindowExW(0, L"COMBOBOX", L"",
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN |
                                CBS_AUTOHSCROLL,
                            b.left, b.top, b.right - b.left, b.bottom - b.top, parent, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  if (!window_) return false;
  if (font_) SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  // A combo box's window height includes its dropped-down list.
  const LRESULT field = SendMessageW(window_, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
  const LRESULT row = SendMessageW(window_, CB_GETITEMHEIGHT, 0, 0);
  if (field > 0 && row > 0) {
    const int height = static_cast<int>(field + 8 + design_.listRows * row + 2);
    SetWindowPos(window_, nullptr, 0, 0, b.right - b.left, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  return true;
}

std::wstring ComboBox::Text() const {
  if (!window_) return {};
  const int length = GetWindowTextLengthW(window_);
  std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window_, buffer.data(), length + 1);
  return std::wstring(buffer.data(), copied > 0 ? copied : 0);
}

void ComboBox::SetText(const std::wstring& text) {
  if (window_) SetWindowTextW(window_, text.c_str());
}

void ComboBox::AddItem(const std::wstring& item) {
  if (window_) SendMessageW(window_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

bool ComboBox::Enabled() const { return window_ && IsWindowEnabled(window_); }

void ComboBox::SetEnabled(bool enabled) {
  if (window_) EnableWindow(window_, enabled);
}

}  // namespace toolkit::controls
