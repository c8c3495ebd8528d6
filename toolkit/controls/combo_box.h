#pragma once
// The platform's drop-down combo box: a text field the user can type into or fill from the
// list below it. Kept in Unicode, so any text shows as written.
#include <windows.h>

#include <string>

#include "toolkit/font.h"
#include "toolkit/gdi_object.h"

namespace toolkit::controls {

struct ComboBoxDesign {
  // Pixels on the parent's client area. The closed field's height follows from the font, as
  // the platform makes it.
  RECT bounds{};
  int listRows = 8;  // list entries shown when it drops down
  Font font;
};

class ComboBox {
 public:
  explicit ComboBox(ComboBoxDesign design);
  ~ComboBox();
  ComboBox(const ComboBox&) = delete;
  ComboBox& operator=(const ComboBox&) = delete;

  // Makes the window (a tab stop); false when it could not be made.
  bool Create(HWND parent);
  HWND hwnd() const { return window_; }

  std::wstring Text() const;
  void SetText(const std::wstring& text);
  void AddItem(const std::wstring& item);
  bool Enabled() const;
  void SetEnabled(bool enabled);

 private:
  ComboBoxDesign design_;
  // The order is important: the window goes before the font it uses.
  GdiObject<HFONT> font_;
  HWND window_ = nullptr;
};

}  // namespace toolkit::controls
