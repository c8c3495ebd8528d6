#pragma once
// The platform's drop-down combo box: a text field the user can type into or fill from the
// list below it. Kept in Unicode, so any text shows as written.
#include <windows.h>

#include <string>

#include "toolkit/font.h"
#include "toolkit/gdi_object.h"
#include "toolkit/twips_box.h"
#include "toolkit/window.h"

namespace toolkit::controls {

struct ComboBoxDesign {
  // On the parent's client area. The closed field's height follows from the font, as the
  // platform makes it.
  TwipsBox bounds{};
  Font font{};
  std::wstring name{};  // what a screen reader calls it: the caption beside it, say
};

class ComboBox : public Window {
 public:
  ComboBox() = default;
  ~ComboBox() override;

  // Makes the window (a tab stop); false when it could not be made.
  bool Create(Window& parent, const ComboBoxDesign& design);

  std::wstring Text() const;
  void SetText(const std::wstring& text);
  void AddItem(const std::wstring& item);
  void SetEnabled(bool enabled);

  Accessibility Describe() const override;
  bool ShowsParts() const override { return false; }  // its text field is the combo box itself
  // Opens the list, or closes it.
  bool DoDefaultAction() override;

 protected:
  // The platform's combo box paints and answers everything itself, but for what a screen
  // reader is told.
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  std::wstring name_;
  GdiObject<HFONT> font_;
};

}  // namespace toolkit::controls
