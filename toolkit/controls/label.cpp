#include "toolkit/controls/label.h"

#include <utility>

#include "toolkit/colour.h"

namespace toolkit::controls {
namespace {
constexpr LONG kRunOn = 0x7FFF;  // pixels a one-line label may run on
}  // namespace

bool Label::Create(Window& parent, LabelDesign design) {
  design_ = std::move(design);
  gdiFont_.Reset();
  Place(parent, design_.bounds);
  return true;
}

void Label::SetCaption(std::wstring caption) {
  design_.caption = std::move(caption);
  Changed();
}

void Label::SetFont(const toolkit::Font& font) {
  design_.font = font;
  gdiFont_.Reset();
  Changed();
}

bool Label::SetForeColour(COLORREF colour) {
  if (!IsValidColour(colour)) return false;
  design_.foreColour = colour;
  Changed();
  return true;
}

UINT Label::Format() const {
  const UINT lines = !design_.wordWrap         ? DT_SINGLELINE | DT_NOCLIP
                     : design_.breakLongWords ? DT_WORDBREAK | DT_EDITCONTROL
                                              : DT_WORDBREAK;
  return DT_NOPREFIX | lines | (design_.alignment == Alignment::Centre ? DT_CENTER : 0);
}

RECT Label::TextBounds() const {
  RECT box = Bounds();
  if (design_.caption.empty()) return RECT{box.left, box.top, box.left, box.top};
  if (!gdiFont_) gdiFont_ = CreateFontOf(design_.font);
  const ScreenDc screen(GetDC(nullptr));
  RECT text = box;
  if (screen) {
    const int saved = SaveDC(screen.get());
    SelectObject(screen.get(), gdiFont_.get());
    DrawTextW(screen.get(), design_.caption.c_str(), static_cast<int>(design_.caption.size()), &text,
              Format() | DT_CALCRECT);
    RestoreDC(screen.get(), saved);
  }
  // Measured from the left edge; a centred line stands in the middle of the box.
  if (design_.alignment == Alignment::Centre) OffsetRect(&text, ((box.right - box.left) - (text.right - text.left)) / 2, 0);
  if (design_.wordWrap) IntersectRect(&text, &text, &box);  // cut off at the box, as painted
  return text;
}

Accessibility Label::Describe() const {
  if (!design_.accessible) return {};
  return {.name = design_.caption, .role = ROLE_SYSTEM_STATICTEXT, .states = STATE_SYSTEM_READONLY};
}

void Label::Paint(HDC dc) const {
  RECT box = Bounds();
  if (box.right <= box.left || box.bottom <= box.top || design_.caption.empty()) return;
  if (!gdiFont_) gdiFont_ = CreateFontOf(design_.font);
  const int saved = SaveDC(dc);
  // One line runs on to the right as far as the container lets it, and downwards far enough
  // for a font whose line (underline included) is taller than the box.
  IntersectClipRect(dc, box.left, box.top, design_.wordWrap ? box.right : box.left + kRunOn,
                    design_.wordWrap ? box.bottom : box.top + kRunOn);
  SelectObject(dc, gdiFont_.get());
  SetBkMode(dc, TRANSPARENT);
  const int length = static_cast<int>(design_.caption.size());
  if (Enabled()) {
    SetTextColor(dc, ScreenColour(design_.foreColour));
    DrawTextW(dc, design_.caption.c_str(), length, &box, Format());
  } else {
    // Greyed as the platform greys disabled text: a light copy one pixel down and right.
    RECT shadow = box;
    OffsetRect(&shadow, 1, 1);
    SetTextColor(dc, GetSysColor(COLOR_3DHILIGHT));
    DrawTextW(dc, design_.caption.c_str(), length, &shadow, Format());
    SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    DrawTextW(dc, design_.caption.c_str(), length, &box, Format());
  }
  RestoreDC(dc, saved);  // also selects the previous font back
}

}  // namespace toolkit::controls
