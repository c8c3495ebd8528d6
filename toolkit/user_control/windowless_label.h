#pragma once
// A caption label without a window of its own, drawn by its control over the control's
// image: a pointer over the text is over the control's own window. Its position and size
// are twips in the control; the text is centred or aligned, always broken at words when
// wider than the label (there is no automatic sizing), and lines below the label's height
// are cut off. The background is always transparent. A disabled label draws its text
// greyed.
#include <windows.h>

#include <cstdint>
#include <string>

#include "font_description.h"
#include "gdi_handles.h"

namespace toolkit::user_control {

class UserControl;

enum class TextAlignment { Left, Right, Centre };

struct LabelDesign {
  std::string caption;
  std::int32_t foreColour = 0;
  FontDescription font;
  double left = 0, top = 0, width = 0, height = 0;
  TextAlignment alignment = TextAlignment::Left;
};

class WindowlessLabel {
 public:
  WindowlessLabel(UserControl& host, LabelDesign design);
  WindowlessLabel(const WindowlessLabel&) = delete;
  WindowlessLabel& operator=(const WindowlessLabel&) = delete;
  ~WindowlessLabel();

  const std::string& Caption() const { return design_.caption; }
  void SetCaption(const std::string& caption);
  const FontDescription& Font() const { return design_.font; }
  void SetFont(const FontDescription& font);
  std::int32_t ForeColour() const { return design_.foreColour; }
  // False, and nothing changes, for a colour the platform would refuse.
  bool SetForeColour(std::int32_t colour);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  double Left() const { return design_.left; }
  double Top() const { return design_.top; }
  double Width() const { return design_.width; }
  double Height() const { return design_.height; }
  // The height stays as designed.
  void Move(double left, double top, double width);

  // The label's box on its control, in pixels.
  RECT PixelBounds(double twipsPerPixel) const;
  void Draw(HDC dc, double twipsPerPixel) const;

 private:
  void Changed();

  UserControl& host_;
  LabelDesign design_;
  bool enabled_ = true;
  mutable GdiObject<HFONT> gdiFont_;
  mutable int gdiFontDpi_ = 0;
};

}  // namespace toolkit::user_control
