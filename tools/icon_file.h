#pragma once
// Writing Windows icon (.ico) and cursor (.cur) files with one image each.
#include <cstdint>
#include <string>
#include <vector>

struct IndexedImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> palette;  // 0x00RRGGBB, at most 256 entries
  std::vector<std::uint8_t> index;     // top row first, one palette index a pixel
  std::vector<bool> transparent;       // top row first; true where the mask lets through
};

// bitsPerPixel 8 for a 256-colour icon, 1 for a two-colour cursor.
bool WriteIcon(const std::string& path, const IndexedImage& image, int bitsPerPixel);
bool WriteCursor(const std::string& path, const IndexedImage& image, int hotX, int hotY);
