#include "shell/settings_dialog/background_gradient.h"

#include <cmath>
#include <cstdint>

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

namespace {
std::uint8_t Channel(int value) { return static_cast<std::uint8_t>(value); }
}  // namespace

// Levels run from 0 to 220, so every channel fits.
toolkit::Rgb FormRowColour(int level) { return {Channel(level), Channel(level), Channel(level + kLift)}; }

toolkit::Rgb PanelRowColour(int level) {
  return {Channel(level + kLift), Channel(level + kLift), Channel(level + kLift)};
}
