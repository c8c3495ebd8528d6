#pragma once
// A control hosted on a form like a platform control: its own child window whose picture is
// its kept image (windowless controls such as its caption drawn over it), drawn on in twips;
// mouse, focus and size events; and the named values its container stores with the form.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "toolkit/controls/property_bag.h"
#include "toolkit/dpi.h"
#include "toolkit/font.h"
#include "toolkit/twips_box.h"
#include "toolkit/window.h"

namespace toolkit::controls {

enum class BackStyle : std::int16_t { Transparent = 0, Opaque = 1 };

class UserControl : public Window {
 public:
  // The window class is registered on first use under this name.
  explicit UserControl(const wchar_t* className);

  // A tab stop, a child window of `parent` at a point in pixels, as yet without a size;
  // false when it could not be made.
  bool CreateControlWindow(HWND parent, POINT place);

  // What the container provides and is told.
  void SetAmbientFont(const Font& font) { ambientFont_ = font; }
  const Font& AmbientFont() const { return ambientFont_; }
  void SetPropertyChangedHandler(std::function<void(const std::string&)> handler) {
    propertyChanged_ = std::move(handler);
  }
  void InitProperties() { OnInitProperties(); }
  void ReadProperties(const PropertyBag& bag) { OnReadProperties(bag); }
  void WriteProperties(PropertyBag& bag) { OnWriteProperties(bag); }

 protected:
  void PropertyChanged(const std::string& name);

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

  virtual void OnGotFocus() {}
  virtual void OnLostFocus() {}
  virtual void OnInitProperties() {}
  virtual void OnReadProperties(const PropertyBag& /*bag*/) {}
  virtual void OnWriteProperties(PropertyBag& /*bag*/) {}

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  SIZE Size() const;

  std::wstring className_;
  Font ambientFont_;
  std::function<void(const std::string&)> propertyChanged_;
};

}  // namespace toolkit::controls
