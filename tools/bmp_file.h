#pragma once
// Reading and writing 24-bit bottom-up BMP files, the format of the shell's pictures.
#include <cstdint>
#include <string>
#include <vector>

struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;  // top row first, 3 bytes a pixel
  std::uint8_t* at(int x, int y) { return &rgb[(static_cast<size_t>(y) * width + x) * 3]; }
  const std::uint8_t* at(int x, int y) const {
    return &rgb[(static_cast<size_t>(y) * width + x) * 3];
  }
};

bool WriteBmp24(const std::string& path, const RgbImage& image);
bool ReadBmp24(const std::string& path, RgbImage* image);
