#pragma once
// A control hosted on a form like a platform control: its own child window whose picture is
// its kept image (windowless controls such as its caption drawn over it), drawn on in twips;
// mouse, focus and size events; and the named values its container stores with the form.
// The container keeps the control's extent under its own names "_extentx" and "_extenty"
// (HIMETRIC); the control never sees them.
#include <windows.h>

#include <cstdint>
#include <string>

#include "toolkit/controls/property_bag.h"
#include "toolkit/dpi.h"
#include "toolkit/font.h"
#include "toolkit/twips_box.h"
#include "toolkit/window.h"

namespace toolkit::controls {

enum class BackStyle : std::int16_t { Transparent = 0, Opaque = 1 };

inline constexpr char kExtentXName[] = "_extentx";
inline constexpr char kExtentYName[] = "_extenty";

struct UserControlDesign {
  // On the parent's client area; a stored extent wins over its size.
  TwipsBox bounds{};
  Font ambientFont{};  // the container's font, the default of a control's own
  // The values the container keeps for the control (not owned); none: a new control that
  // sets itself up.
  const PropertyBag* stored = nullptr;
  std::wstring name{};  // what a screen reader calls it, where the control's own text does not say
};

class UserControl : public Window {
 public:
  // The window class is registered on first use under this name.
  explicit UserControl(const wchar_t* className);

  // Makes the control's window (a tab stop), then reads its stored values (or lets a new
  // control set itself up), then gives it its size: the control sees its values before its
  // first size change. False when the window could not be made, or was closed meanwhile.
  bool Create(Window& parent, const UserControlDesign& design);

  const Font& AmbientFont() const { return ambientFont_; }
  const std::wstring& AccessibleName() const { return accessibleName_; }
  // The container saving the form: the control writes its values.
  void WriteProperties(PropertyBag& bag) { OnWriteProperties(bag); }

 protected:
  // The drawing surface, the kept image: what is drawn shows after Refresh. Its size in twips.
  double ScaleWidth() const { return PixelsToTwips(Size().cx); }
  double ScaleHeight() const { return PixelsToTwips(Size().cy); }
  HDC hDC() { return ImageDc(); }
  // Transparent: the container's background shows instead of the image; the windowless
  // controls still show.
  BackStyle GetBackStyle() const { return Opaque() ? BackStyle::Opaque : BackStyle::Transparent; }
  void SetBackStyle(BackStyle style) { SetOpaque(style == BackStyle::Opaque); }
  // Clears the image to the button-face colour.
  void Cls() { ClearImage(); }
  // Copies a part of a 96-dot-per-inch picture onto the image, scaled when the sizes differ;
  // false when nothing was copied. In twips: `from` at the picture's own resolution, `to` at
  // the screen's.
  bool PaintPicture(HBITMAP picture, const TwipsBox& to, const TwipsBox& from);

  virtual void OnInitProperties() {}
  virtual void OnReadProperties(const PropertyBag& /*bag*/) {}
  virtual void OnWriteProperties(PropertyBag& /*bag*/) {}


 private:
  SIZE Size() const;

  std::wstring className_;
  Font ambientFont_;
  std::wstring accessibleName_;
};

}  // namespace toolkit::controls
