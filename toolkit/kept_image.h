#pragma once
// A window's picture kept between paints: a true-colour bitmap the size of its client area,
// drawn on at any time and copied to the screen at each paint.
#include <windows.h>

#include "toolkit/gdi_object.h"

namespace toolkit {

class KeptImage {
 public:
  // Null until the first Resize.
  HDC dc() const { return image_.get(); }
  explicit operator bool() const { return static_cast<bool>(image_); }
  // What fits of the old image is kept, the rest filled with `background`. An empty size
  // (a minimised window) keeps the image it will show again; a failure keeps the old one.
  void Resize(int width, int height, COLORREF background);
  void Fill(COLORREF background) const;
  void CopyTo(HDC dc) const;

 private:
  // The order is important: the bitmap is put back out of the DC before either is deleted.
  MemoryDc image_;
  GdiObject<HBITMAP> bitmap_;
  SelectedObject selection_;
  SIZE size_{0, 0};
};

// Fills an area of a DC with a colour as controls store it (toolkit/colour.h).
void FillArea(HDC dc, const RECT& area, COLORREF colour);

}  // namespace toolkit
