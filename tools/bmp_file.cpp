#include "tools/bmp_file.h"

#include <cstdio>
#include <cstring>

#include "tools/little_endian.h"

bool WriteBmp24(const std::string& path, const RgbImage& image) {
  const int stride = (image.width * 3 + 3) & ~3;
  const unsigned pixelBytes = stride * image.height;
  std::vector<std::uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  Put32(out, 54 + pixelBytes);
  Put32(out, 0);
  Put32(out, 54);
  Put32(out, 40);
  Put32(out, image.width);
  Put32(out, image.height);  // positive: bottom row first
  Put16(out, 1);
  Put16(out, 24);
  Put32(out, 0);
  Put32(out, pixelBytes);
  Put32(out, 2835);  // 72 dots per inch
  Put32(out, 2835);
  Put32(out, 0);
  Put32(out, 0);
  for (int y = image.height - 1; y >= 0; --y) {
    for (int x = 0; x < image.width; ++x) {
      const std::uint8_t* p = image.at(x, y);
      out.push_back(p[2]);
      out.push_back(p[1]);
      out.push_back(p[0]);
    }
    for (int pad = image.width * 3; pad < stride; ++pad) out.push_back(0);
  }
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  bool ok = std::fwrite(out.data(), 1, out.size(), file) == out.size();
  return std::fclose(file) == 0 && ok;
}

bool ReadBmp24(const std::string& path, RgbImage* image) {
  FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return false;
  std::vector<std::uint8_t> data;
  std::uint8_t chunk[4096];
  size_t n;
  while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0) data.insert(data.end(), chunk, chunk + n);
  std::fclose(file);
  if (data.size() < 54 || data[0] != 'B' || data[1] != 'M') return false;
  const unsigned offset = Get32(&data[10]);
  const int width = static_cast<int>(Get32(&data[18]));
  const int height = static_cast<int>(Get32(&data[22]));
  if (data[28] != 24 || width <= 0 || height <= 0 || width > 8192 || height > 8192) return false;
  const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
  if (offset + stride * height > data.size()) return false;
  image->width = width;
  image->height = height;
  image->rgb.assign(static_cast<size_t>(width) * height * 3, 0);
  for (int y = 0; y < height; ++y) {
    const std::uint8_t* row = &data[offset + stride * (height - 1 - y)];
    for (int x = 0; x < width; ++x) {
      std::uint8_t* p = image->at(x, y);
      p[0] = row[x * 3 + 2];
      p[1] = row[x * 3 + 1];
      p[2] = row[x * 3];
    }
  }
  return true;
}
