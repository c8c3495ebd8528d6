#pragma once
// What a control has drawn, kept in memory between paints: the window's paint handler only
// copies it to the screen.
#include <windows.h>

#include "toolkit/gdi_object.h"

namespace toolkit::controls {

class PersistentImage {
 public:
  PersistentImage() = default;
  PersistentImage(const PersistentImage&) = delete;
  PersistentImage& operator=(const PersistentImage&) = delete;

  // Takes the new size and keeps what was drawn where it still fits; the rest is black.
  void Resize(int width, int height);
  void Clear(COLORREF colour);
  void CopyTo(HDC target) const;

  HDC dc() const { return dc_.get(); }
  int width() const { return width_; }
  int height() const { return height_; }

 private:
  int width_ = 0;
  int height_ = 0;
  // The order is important: the bitmap is put back out of the DC before either is deleted.
  MemoryDc dc_;
  GdiObject<HBITMAP> bitmap_;
  SelectedObject selection_;
};

}  // namespace toolkit::controls
