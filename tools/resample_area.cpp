#include <algorithm>
#include <cmath>

#include "tools/preview_picture_params.h"

RgbImage ResampleArea(const RgbImage& source, int width, int height) {
  RgbImage out;
  out.width = width;
  out.height = height;
  out.rgb.assign(static_cast<size_t>(width) * height * 3, 0);
  const double sx = static_cast<double>(source.width) / width;
  const double sy = static_cast<double>(source.height) / height;
  for (int y = 0; y < height; ++y) {
    const double y0 = y * sy, y1 = (y + 1) * sy;
    for (int x = 0; x < width; ++x) {
      const double x0 = x * sx, x1 = (x + 1) * sx;
      double sum[3] = {0, 0, 0}, area = 0;
      for (int v = static_cast<int>(y0); v < std::min<double>(std::ceil(y1), source.height); ++v) {
        const double h = std::min<double>(v + 1, y1) - std::max<double>(v, y0);
        for (int u = static_cast<int>(x0); u < std::min<double>(std::ceil(x1), source.width); ++u) {
          const double w = (std::min<double>(u + 1, x1) - std::max<double>(u, x0)) * h;
          const std::uint8_t* p = source.at(u, v);
          for (int c = 0; c < 3; ++c) sum[c] += p[c] * w;
          area += w;
        }
      }
      for (int c = 0; c < 3; ++c)
        out.at(x, y)[c] = static_cast<std::uint8_t>(std::lround(sum[c] / area));
    }
  }
  return out;
}
