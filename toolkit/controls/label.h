#pragma once
// A text label without a window: transparent (what is under it shows through), shown as
// written (an "&" is an ampersand). Its text is broken at words to the label's width and cut
// off at its edges, or kept on one line that may run on past the right edge. A disabled
// label draws its text greyed.
#include <windows.h>

#include <string>

#include "toolkit/controls/font_spec.h"
#include "toolkit/controls/windowless_control.h"
#include "toolkit/gdi_object.h"

namespace toolkit::controls {

enum class Alignment { Left, Centre, Right };

struct LabelDesign {
  RECT bounds{};
  std::wstring caption;
  FontSpec font;
  COLORREF foreColour = RGB(0, 0, 0);
  Alignment alignment = Alignment::Left;
  bool wordWrap = true;
  // With wordWrap: a word wider than the label is broken between characters instead of
  // being cut off.
  bool breakLongWords = false;
};

class Label : public WindowlessControl {
 public:
  explicit Label(LabelDesign design);

  const std::wstring& Caption() const { return design_.caption; }
  void SetCaption(std::wstring caption);
  const FontSpec& Font() const { return design_.font; }
  void SetFont(const FontSpec& font);
  COLORREF ForeColour() const { return design_.foreColour; }
  void SetForeColour(COLORREF colour);

  void Paint(HDC dc) const override;

 private:
  UINT Format() const;

  LabelDesign design_;
  mutable GdiObject<HFONT> gdiFont_;
  mutable int gdiFontDpi_ = 0;
};

}  // namespace toolkit::controls
