#include "font_description.h"

#include <cmath>

namespace toolkit::user_control {

bool operator==(const FontDescription& a, const FontDescription& b) {
  return a.face == b.face && a.sizeTenThousandths == b.sizeTenThousandths && a.weight == b.weight &&
         a.italic == b.italic && a.underline == b.underline && a.strikethrough == b.strikethrough &&
         a.charset == b.charset;
}

std::int64_t PointsToTenThousandths(double points) { return std::llround(points * 10000.0); }

}  // namespace toolkit::user_control
