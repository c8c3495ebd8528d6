#include "tools/icon_file.h"

#include <cstdio>

#include "tools/little_endian.h"

namespace {


// The image part: BITMAPINFOHEADER of double height, palette, colour bits, AND mask.
std::vector<std::uint8_t> ImageData(const IndexedImage& image, int bpp) {
  std::vector<std::uint8_t> out;
  const int colours = 1 << bpp;
  const int xorStride = ((image.width * bpp + 31) / 32) * 4;
  const int andStride = ((image.width + 31) / 32) * 4;
  Put32(out, 40);
  Put32(out, image.width);
  Put32(out, image.height * 2);
  Put16(out, 1);
  Put16(out, bpp);
  Put32(out, 0);
  Put32(out, (xorStride + andStride) * image.height);
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, 0);
  for (int i = 0; i < colours; ++i) {
    std::uint32_t c = i < static_cast<int>(image.palette.size()) ? image.palette[i] : 0;
    out.push_back(c & 0xff);
    out.push_back((c >> 8) & 0xff);
    out.push_back((c >> 16) & 0xff);
    out.push_back(0);
  }
  for (int y = image.height - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(xorStride, 0);
    for (int x = 0; x < image.width; ++x) {
      unsigned v = image.index[y * image.width + x];
      if (bpp == 8) row[x] = static_cast<std::uint8_t>(v);
      else if (v) row[x / 8] |= 0x80 >> (x % 8);
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  for (int y = image.height - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(andStride, 0);
    for (int x = 0; x < image.width; ++x)
      if (image.transparent[y * image.width + x]) row[x / 8] |= 0x80 >> (x % 8);
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

bool WriteDirectoryFile(const std::string& path, unsigned type, const IndexedImage& image,
                        unsigned field1, unsigned field2, int bpp) {
  std::vector<std::uint8_t> data = ImageData(image, bpp);
  std::vector<std::uint8_t> out;
  Put16(out, 0);
  Put16(out, type);
  Put16(out, 1);
  out.push_back(static_cast<std::uint8_t>(image.width));
  out.push_back(static_cast<std::uint8_t>(image.height));
  out.push_back(bpp == 8 ? 0 : static_cast<std::uint8_t>(1 << bpp));
  out.push_back(0);
  Put16(out, field1);  // icon: planes; cursor: hot spot x
  Put16(out, field2);  // icon: bits per pixel; cursor: hot spot y
  Put32(out, static_cast<unsigned>(data.size()));
  Put32(out, 22);
  out.insert(out.end(), data.begin(), data.end());
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  bool ok = std::fwrite(out.data(), 1, out.size(), file) == out.size();
  return std::fclose(file) == 0 && ok;
}

}  // namespace

bool WriteIcon(const std::string& path, const IndexedImage& image, int bpp) {
  return WriteDirectoryFile(path, 1, image, 1, bpp, bpp);
}

bool WriteCursor(const std::string& path, const IndexedImage& image, int hotX, int hotY) {
  return WriteDirectoryFile(path, 2, image, hotX, hotY, 1);
}
