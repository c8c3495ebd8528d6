#pragma once
// What a window shows: an image its owner draws on once (on a size change, say) and that is
// kept between paints, so windows moved over it leave no holes, with windowless controls
// drawn over it. The canvas answers its window's paint, erase, mouse-button and pointer
// messages and passes the presses to the windowless control under the pointer.
#include <windows.h>

#include <functional>
#include <vector>

#include "toolkit/controls/windowless_control.h"
#include "toolkit/gdi_object.h"

namespace toolkit::controls {

class Canvas {
 public:
  explicit Canvas(COLORREF background);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  // The image, in pixels of the window's client area; null until the window has a size.
  HDC dc() const { return dc_.get(); }
  int width() const { return width_; }
  int height() const { return height_; }

  // Drawn above, and hit before, the controls added earlier.
  void Add(WindowlessControl& control);
  void Remove(WindowlessControl& control);

  // Shows what was drawn on the image, at the window's next paint.
  void Refresh();
  void Invalidate(const RECT& area);
  // Fills the whole image with the background colour.
  void Clear();
  // False: the image is not shown, and what the parent window shows under this one shows
  // through instead (the controls are still drawn over it).
  void SetImageShown(bool shown);
  bool ImageShown() const { return imageShown_; }
  // The image, then the controls.
  void PaintContent(HDC dc) const;
  // The topmost enabled control at a point of the client area; null if none.
  WindowlessControl* ControlAt(POINT point) const;

  // Handles a message of the window the canvas shows in; true when it did (result set).
  // WM_SIZE resizes the image and raises Resized but is left for the window's own handling;
  // a window that takes its presses itself handles them before passing messages on.
  bool HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

  // The image has a new size: what fits of the old one is kept, the rest is the background.
  std::function<void(int width, int height)> Resized;

 private:
  void Resize(int width, int height);
  void PaintParentBackground(HDC dc) const;
  void ButtonDown(int button, WPARAM keys, LPARAM position);
  void ButtonUp(int button, WPARAM keys, LPARAM position);
  bool SetPointer(WPARAM wParam, LPARAM lParam);

  HWND window_ = nullptr;
  COLORREF background_;
  int width_ = 0;
  int height_ = 0;
  // The order is important: the bitmap is put back out of the DC before either is deleted.
  MemoryDc dc_;
  GdiObject<HBITMAP> bitmap_;
  SelectedObject selection_;
  bool imageShown_ = true;
  std::vector<WindowlessControl*> controls_;
  WindowlessControl* leftPressed_ = nullptr;  // the control a left press began on
};

}  // namespace toolkit::controls
