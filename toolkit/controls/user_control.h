#pragma once
// A control hosted on a form like a platform control: its own child window with a canvas (a
// kept image it draws into, windowless controls such as its caption drawn over it), twip or
// pixel drawing units, mouse, focus and size events, and the named values its container
// stores with the form.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "toolkit/controls/canvas.h"
#include "toolkit/controls/property_bag.h"
#include "toolkit/font.h"
#include "toolkit/mouse_event.h"
#include "toolkit/window.h"

namespace toolkit::controls {

// The unit a control's drawing positions and sizes are given in.
enum class ScaleMode { Twips, Pixels };

enum class BackStyle : std::int16_t { Transparent = 0, Opaque = 1 };

class UserControl : public Window {
 public:
  // The window class is registered on first use under this name.
  explicit UserControl(const wchar_t* className);

  // A child window of `parent`, in pixels; false when it could not be made.
  bool CreateControlWindow(HWND parent, int left, int top, int width, int height);

  // What the container provides and is told.
  void SetAmbientFont(const Font& font) { ambientFont_ = font; }
  const Font& AmbientFont() const { return ambientFont_; }
  void SetPropertyChangedHandler(std::function<void(const std::string&)> handler) {
    propertyChanged_ = std::move(handler);
  }
  void InitProperties() { OnInitProperties(); }
  void ReadProperties(const PropertyBag& bag) { OnReadProperties(bag); }
  void WriteProperties(PropertyBag& bag) { OnWriteProperties(bag); }

  // The drawing surface. Positions and sizes are in the current scale unit.
  void SetScaleMode(ScaleMode mode) { scaleMode_ = mode; }
  double ScaleWidth() const;
  double ScaleHeight() const;
  // The screen's, read when the control is made.
  double TwipsPerPixel() const { return twipsPerPixel_; }
  // The kept image's device context: what is drawn here shows after Refresh.
  HDC hDC() const { return canvas_.dc(); }
  // Transparent: the container's background shows instead of the image; the windowless
  // controls still show.
  BackStyle GetBackStyle() const;
  void SetBackStyle(BackStyle style);
  // Clears the image to the button-face colour.
  void Cls();
  // Copies a rectangle of a 96-dot-per-inch picture, scaled when the sizes differ; false when
  // nothing was copied (an empty rectangle, no image, a failed copy). In twips, the source
  // is measured at the picture's own resolution and the destination at the screen's.
  bool PaintPicture(HBITMAP picture, double left, double top, double width, double height,
                    double sourceLeft, double sourceTop, double sourceWidth, double sourceHeight);
  // Brings the image to the screen now.
  void Refresh();

 protected:
  Canvas& canvas() { return canvas_; }
  void PropertyChanged(const std::string& name);

  // Coordinates in pixels.
  virtual void OnMouseDown(const MouseEvent& /*event*/) {}
  // The event's button holds the buttons held.
  virtual void OnMouseMove(const MouseEvent& /*event*/) {}
  virtual void OnMouseUp(const MouseEvent& /*event*/) {}
  virtual void OnGotFocus() {}
  virtual void OnLostFocus() {}
  virtual void OnResize() {}
  virtual void OnInitProperties() {}
  virtual void OnReadProperties(const PropertyBag& /*bag*/) {}
  virtual void OnWriteProperties(PropertyBag& /*bag*/) {}

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void ButtonDown(int button, WPARAM keys, LPARAM position);
  void ButtonUp(int button, WPARAM keys, LPARAM position);
  double ToScale(int pixels) const;
  RECT ToPixelRect(double left, double top, double width, double height) const;

  std::wstring className_;
  Canvas canvas_;
  ScaleMode scaleMode_ = ScaleMode::Twips;
  double twipsPerPixel_;
  Font ambientFont_;
  std::function<void(const std::string&)> propertyChanged_;
};

}  // namespace toolkit::controls
