#pragma once
// A text label without a window: transparent (what is under it shows through), shown as
// written (an "&" is an ampersand). Its text is broken at words to the label's width and cut
// off at its edges, or kept on one line that may run on past the right edge. A disabled
// label draws its text greyed. A pointer over a label is over the window that draws it.
#include <windows.h>

#include <string>

#include "toolkit/font.h"
#include "toolkit/gdi_object.h"
#include "toolkit/twips_box.h"
#include "toolkit/windowless_control.h"

namespace toolkit::controls {

enum class Alignment { Left, Centre };

struct LabelDesign {
  TwipsBox bounds;
  std::wstring caption;
  Font font;
  COLORREF foreColour = RGB(0, 0, 0);  // or a system colour (toolkit/colour.h)
  Alignment alignment = Alignment::Left;
  bool wordWrap = true;
  // With wordWrap: a word wider than the label is broken between characters instead of
  // being cut off.
  bool breakLongWords = false;
  // Shown to screen readers as static text; false for a caption that names another control,
  // which a screen reader reads instead.
  bool accessible = true;
};

class Label : public toolkit::WindowlessControl {
 public:
  bool Create(Window& parent, LabelDesign design);

  const std::wstring& Caption() const { return design_.caption; }
  void SetCaption(std::wstring caption);
  const toolkit::Font& Font() const { return design_.font; }
  void SetFont(const toolkit::Font& font);
  COLORREF ForeColour() const { return design_.foreColour; }
  // False, and nothing changes, for a colour the platform would refuse.
  bool SetForeColour(COLORREF colour);

  // Where its text stands on the window (it may run on past the label's box).
  RECT TextBounds() const;

  void Paint(HDC dc) const override;
  Accessibility Describe() const override;

 private:
  UINT Format() const;

  LabelDesign design_;
  mutable GdiObject<HFONT> gdiFont_;
};

}  // namespace toolkit::controls
