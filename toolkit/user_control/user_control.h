#pragma once
// A control hosted on a form like a platform control: its own child window, a persistent
// image it draws into (the window's paint handler only copies that image, then draws the
// windowless labels over it), twip or pixel drawing units, mouse, focus, size and timer
// events, and the named values its container stores with the form.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "font_description.h"
#include "persistent_image.h"
#include "property_bag.h"
#include "twips.h"

namespace toolkit::user_control {

class WindowlessLabel;

enum class BackStyle : std::int16_t { Transparent = 0, Opaque = 1 };

class UserControl {
 public:
  // The window class is registered on first use under this name.
  explicit UserControl(const char* className);
  UserControl(const UserControl&) = delete;
  UserControl& operator=(const UserControl&) = delete;
  virtual ~UserControl();

  // A child window of `parent`, in pixels; false when it could not be made.
  bool CreateControlWindow(HWND parent, int left, int top, int width, int height);
  HWND hwnd() const { return window_; }

  // What the container provides and is told.
  void SetAmbientFont(const FontDescription& font) { ambientFont_ = font; }
  const FontDescription& AmbientFont() const { return ambientFont_; }
  void SetPropertyChangedHandler(std::function<void(const std::string&)> handler) {
    propertyChanged_ = std::move(handler);
  }
  void InitProperties() { OnInitProperties(); }
  void ReadProperties(const PropertyBag& bag) { OnReadProperties(bag); }
  void WriteProperties(PropertyBag& bag) { OnWriteProperties(bag); }

  // The drawing surface. Positions and sizes are in the current scale unit.
  ScaleMode GetScaleMode() const { return scaleMode_; }
  void SetScaleMode(ScaleMode mode) { scaleMode_ = mode; }
  double ScaleWidth() const;
  double ScaleHeight() const;
  double TwipsPerPixel() const { return twipsPerPixel_; }
  // The persistent image's device context: what is drawn here shows after Refresh.
  HDC hDC() const { return image_.dc(); }
  const PersistentImage& Image() const { return image_; }
  std::int32_t BackColor() const { return backColor_; }
  void SetBackColor(std::int32_t colour) { backColor_ = colour; }
  BackStyle GetBackStyle() const { return backStyle_; }
  void SetBackStyle(BackStyle style);
  void Cls();
  // Copies a rectangle of a picture, scaled when the sizes differ; false when nothing was
  // copied (an empty rectangle, no image, a failed copy).
  bool PaintPicture(HBITMAP picture, double left, double top, double width, double height,
                    double sourceLeft, double sourceTop, double sourceWidth, double sourceHeight);
  // Brings the image to the screen now.
  void Refresh();
  // What the window shows: the image (or, with a transparent background, the container's
  // background) and the labels over it.
  void PaintContent(HDC dc);

 protected:
  void PropertyChanged(const std::string& name);

  // Buttons and shift keys are bit values (mouse_event.h); coordinates in the scale unit.
  virtual void OnMouseDown(int /*button*/, int /*shift*/, double /*x*/, double /*y*/) {}
  virtual void OnMouseMove(int /*buttons*/, int /*shift*/, double /*x*/, double /*y*/) {}
  virtual void OnMouseUp(int /*button*/, int /*shift*/, double /*x*/, double /*y*/) {}
  virtual void OnGotFocus() {}
  virtual void OnLostFocus() {}
  virtual void OnResize() {}
  virtual void OnTimer(UINT_PTR /*id*/) {}
  // The window exists (timers can be bound to it) / is going; not called when the control
  // object itself is destroyed.
  virtual void OnWindowCreated() {}
  virtual void OnWindowDestroyed() {}
  virtual void OnInitProperties() {}
  virtual void OnReadProperties(const PropertyBag& /*bag*/) {}
  virtual void OnWriteProperties(PropertyBag& /*bag*/) {}

 private:
  friend class WindowlessLabel;
  void AddLabel(WindowlessLabel& label);
  void RemoveLabel(WindowlessLabel& label);
  void InvalidateSurface();

  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void ButtonDown(int button, WPARAM keys, LPARAM position);
  void ButtonUp(int button, WPARAM keys, LPARAM position);
  void Resized(int width, int height);
  void PaintParentBackground(HDC dc);
  void Detach();
  double ToScale(int pixels) const;
  int ToPixels(double units) const;

  std::string className_;
  HWND window_ = nullptr;
  PersistentImage image_;
  ScaleMode scaleMode_ = ScaleMode::Twips;
  double twipsPerPixel_;
  std::int32_t backColor_;
  BackStyle backStyle_ = BackStyle::Opaque;
  int sizedWidth_ = 0;
  int sizedHeight_ = 0;
  FontDescription ambientFont_;
  std::function<void(const std::string&)> propertyChanged_;
  std::vector<WindowlessLabel*> labels_;
};

}  // namespace toolkit::user_control
