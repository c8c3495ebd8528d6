#pragma once
// Img_Prev: a child window that shows one bitmap over its whole client area, stretched with
// halftoning when its size is not the picture's own.
#include <windows.h>

#include "toolkit/window.h"

class PreviewImage : public toolkit::Window {
 public:

  // Makes the (visible) child window at the picture's own size at 0, 0 of `parent`.
  // The bitmap stays the caller's.
  bool Create(HWND parent, HBITMAP picture);
  void Place(int left, int top, int width, int height);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint(HDC dc) const;

  HBITMAP picture_ = nullptr;
};

// Draws `picture` at natural size, or stretched to width x height with halftoning.
void DrawPicture(HDC dc, HBITMAP picture, int left, int top, int width, int height);
