#pragma once
// Pixels read back from a device context or a window into memory, to check them one by one.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class CapturedPixels {
 public:
  // A copy of the DC's top-left width × height pixels.
  static CapturedPixels FromDc(HDC dc, int width, int height);
  // What the window paints of its client area, asked for with WM_PRINTCLIENT.
  static CapturedPixels FromPrintClient(HWND window);
  // What the screen shows in `area` (screen coordinates), whichever process drew it.
  static CapturedPixels FromScreen(const RECT& area);
  // What `draw` paints on a width × height memory DC (poisoned first).
  static CapturedPixels FromDrawing(int width, int height, const std::function<void(HDC)>& draw);
  // A bitmap resource of the running program, copied whole into width × height, scaled
  // pixel by pixel when that is not its own size.
  static CapturedPixels FromResource(LPCSTR name, int width, int height);

  int width() const { return width_; }
  int height() const { return height_; }
  // As RGB(); CLR_INVALID outside.
  COLORREF At(int x, int y) const;
  // The same size and every pixel the same.
  bool operator==(const CapturedPixels&) const = default;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<COLORREF> pixels_;
};

// "RRGGBB", for messages that say which colour a pixel has.
std::string HexColour(COLORREF c);
