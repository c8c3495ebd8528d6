#include "shell/settings_dialog/background_gradient.h"

#include <cmath>

namespace {
constexpr double kHalfPeriodDivisor = 3.142;
constexpr double kLevelRange = 220.0;
constexpr int kLift = 30;
}  // namespace

int GradientLevel(int y, int height) {
  if (height <= 0) return 0;
  const double k = height / kHalfPeriodDivisor;
  // nearbyint under the default rounding mode: halves go to the even neighbour.
  return static_cast<int>(std::nearbyint(std::fabs(std::sin(y / k)) * kLevelRange));
}

RowColour FormRowColour(int level) { return RowColour{level, level, level + kLift}; }

RowColour PanelRowColour(int level) {
  return RowColour{level + kLift, level + kLift, level + kLift};
}
