#pragma once
// Which monitors the saver host must black out: those the renderer's window leaves showing
// the desktop. Decided without windows so that every monitor layout can be tested.
#include <vector>

// A rectangle in virtual-screen pixels, right and bottom exclusive.
struct ScreenRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const ScreenRect& other) const {
    return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
  }
};

// The monitors, in the given order, that the renderer's window does not cover whole. A
// monitor it covers in part is listed too: its black window leaves the renderer's part out.
std::vector<ScreenRect> MonitorsToCover(const std::vector<ScreenRect>& monitors, const ScreenRect& renderer);
