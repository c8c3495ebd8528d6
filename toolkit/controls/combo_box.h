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
  TwipsBox bounds;
  Font font;
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

 protected:
  // The platform's combo box paints and answers everything itself.
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    return DefaultHandling(message, wParam, lParam);
  }

 private:
  GdiObject<HFONT> font_;
};

}  // namespace toolkit::controls
