#include "shell/settings_dialog/zoom.h"

namespace {

RECT PointRect(POINT point) { return RECT{point.x, point.y, point.x, point.y}; }

}  // namespace

void ZoomOpen(HWND window, POINT from) {
  RECT target{};
  if (!GetWindowRect(window, &target)) return;
  const RECT start = PointRect(from);
  DrawAnimatedRects(window, IDANI_CAPTION, &start, &target);
}

void ZoomClose(HWND window, POINT to) {
  RECT start{};
  if (!GetWindowRect(window, &start)) return;
  const RECT end = PointRect(to);
  DrawAnimatedRects(window, IDANI_CAPTION, &start, &end);
}
