#include "shell/saver_host/monitors_to_cover.h"

namespace {

bool Contains(const ScreenRect& outer, const ScreenRect& inner) {
  return outer.left <= inner.left && outer.top <= inner.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

bool Empty(const ScreenRect& r) { return r.right <= r.left || r.bottom <= r.top; }

}  // namespace

std::vector<ScreenRect> MonitorsToCover(const std::vector<ScreenRect>& monitors, const ScreenRect& renderer) {
  std::vector<ScreenRect> result;
  for (const ScreenRect& monitor : monitors) {
    if (!Empty(monitor) && !Contains(renderer, monitor)) result.push_back(monitor);
  }
  return result;
}
