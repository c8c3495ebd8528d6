#include "windowless_label.h"

#include "gdi_font.h"
#include "ole_colour.h"
#include "system_colour.h"
#include "twips.h"
#include "user_control.h"

namespace toolkit::user_control {

WindowlessLabel::WindowlessLabel(UserControl& host, LabelDesign design)
    : host_(host), design_(std::move(design)) {
  host_.AddLabel(*this);
}

WindowlessLabel::~WindowlessLabel() { host_.RemoveLabel(*this); }

void WindowlessLabel::SetCaption(const std::string& caption) {
  design_.caption = caption;
  Changed();
}

void WindowlessLabel::SetFont(const FontDescription& font) {
  design_.font = font;
  gdiFont_.Reset();
  Changed();
}

bool WindowlessLabel::SetForeColour(std::int32_t colour) {
  if (!IsValidOleColour(colour)) return false;
  design_.foreColour = colour;
  Changed();
  return true;
}

void WindowlessLabel::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Changed();
}

void WindowlessLabel::Move(double left, double top, double width) {
  design_.left = left;
  design_.top = top;
  design_.width = width;
  Changed();
}

RECT WindowlessLabel::PixelBounds(double twipsPerPixel) const {
  return RECT{TwipsToPixels(design_.left, twipsPerPixel), TwipsToPixels(design_.top, twipsPerPixel),
              TwipsToPixels(design_.left + design_.width, twipsPerPixel),
              TwipsToPixels(design_.top + design_.height, twipsPerPixel)};
}

void WindowlessLabel::Draw(HDC dc, double twipsPerPixel) const {
  RECT box = PixelBounds(twipsPerPixel);
  if (box.right <= box.left || box.bottom <= box.top || design_.caption.empty()) return;
  int dpi = GetDeviceCaps(dc, LOGPIXELSY);
  if (!gdiFont_ || gdiFontDpi_ != dpi) {
    gdiFont_ = CreateGdiFont(design_.font, dpi);
    gdiFontDpi_ = dpi;
  }

  int saved = SaveDC(dc);
  IntersectClipRect(dc, box.left, box.top, box.right, box.bottom);
  SelectedObject font(dc, gdiFont_.get());
  SetBkMode(dc, TRANSPARENT);
  UINT format = DT_WORDBREAK;
  if (design_.alignment == TextAlignment::Centre) format |= DT_CENTER;
  if (design_.alignment == TextAlignment::Right) format |= DT_RIGHT;
  const int length = static_cast<int>(design_.caption.size());
  if (enabled_) {
    SetTextColor(dc, ResolveOleColour(design_.foreColour));
    DrawTextA(dc, design_.caption.c_str(), length, &box, format);
  } else {
    // Greyed as the platform greys disabled text: a light copy one pixel down and right.
    RECT shadow = box;
    OffsetRect(&shadow, 1, 1);
    SetTextColor(dc, GetSysColor(COLOR_3DHILIGHT));
    DrawTextA(dc, design_.caption.c_str(), length, &shadow, format);
    SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    DrawTextA(dc, design_.caption.c_str(), length, &box, format);
  }
  font = SelectedObject();
  RestoreDC(dc, saved);
}

void WindowlessLabel::Changed() { host_.InvalidateSurface(); }

}  // namespace toolkit::user_control
