#include "tests/shell/preview/preview_test_pictures.h"

#include <gtest/gtest.h>

#include <string>

RgbImage Committed(const char* name) {
  RgbImage image;
  EXPECT_TRUE(ReadBmp24(std::string(KORVANE_RESOURCES "\\") + name, &image)) << name;
  return image;
}

RgbImage ReadScreen(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  RgbImage image;
  image.width = client.right;
  image.height = client.bottom;
  HDC screen = GetDC(nullptr);
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      COLORREF c = GetPixel(screen, origin.x + x, origin.y + y);
      image.rgb.push_back(GetRValue(c));
      image.rgb.push_back(GetGValue(c));
      image.rgb.push_back(GetBValue(c));
    }
  }
  ReleaseDC(nullptr, screen);
  return image;
}

std::vector<double> CellMeans(const RgbImage& image, int grid) {
  std::vector<double> means;
  for (int gy = 0; gy < grid; ++gy) {
    for (int gx = 0; gx < grid; ++gx) {
      double sum = 0;
      int n = 0;
      for (int y = gy * image.height / grid; y < (gy + 1) * image.height / grid; ++y)
        for (int x = gx * image.width / grid; x < (gx + 1) * image.width / grid; ++x, ++n)
          sum += image.at(x, y)[0] + image.at(x, y)[1] + image.at(x, y)[2];
      means.push_back(n ? sum / n / 3 : 0);
    }
  }
  return means;
}

