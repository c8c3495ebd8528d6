#pragma once
// A font as hosted controls store and compare it, without any GDI object behind it.
#include <cstdint>
#include <string>

namespace toolkit::user_control {

struct FontDescription {
  std::string face;                         // in the system's ANSI code page; empty lets GDI choose
  std::int64_t sizeTenThousandths = 90000;  // points × 10 000, so 9.75 pt compares exactly
  int weight = 400;
  bool italic = false;
  bool underline = false;
  bool strikethrough = false;
  int charset = 1;  // DEFAULT_CHARSET

  double Points() const { return static_cast<double>(sizeTenThousandths) / 10000.0; }
};

bool operator==(const FontDescription& a, const FontDescription& b);
inline bool operator!=(const FontDescription& a, const FontDescription& b) { return !(a == b); }

// Points given as a decimal number, e.g. 9.75; rounded to the nearest ten-thousandth.
std::int64_t PointsToTenThousandths(double points);

}  // namespace toolkit::user_control
