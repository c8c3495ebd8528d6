#include "tests/support/reference_picture.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>

#include "tools/bmp_file.h"
#include "harness/files.h"

namespace {

RgbImage ToRgb(const CapturedPixels& pixels) {
  RgbImage image;
  image.width = pixels.width();
  image.height = pixels.height();
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const COLORREF c = pixels.At(x, y);
      image.rgb.insert(image.rgb.end(), {GetRValue(c), GetGValue(c), GetBValue(c)});
    }
  }
  return image;
}

std::string Rgb(const std::uint8_t* p) {
  return "(" + std::to_string(p[0]) + ", " + std::to_string(p[1]) + ", " + std::to_string(p[2]) + ")";
}

}  // namespace

void ExpectSamePicture(const CapturedPixels& shown, const std::string& folder, const std::string& name) {
  const RgbImage image = ToRgb(shown);
  const std::string reference = folder + "\\" + name + ".bmp";
  const char* write = std::getenv("KORVANE_WRITE_PICTURES");
  if (write && *write == '1') {
    EXPECT_TRUE(WriteBmp24(reference, image)) << "could not write " << reference;
    return;
  }
  RgbImage expected;
  ASSERT_TRUE(ReadBmp24(reference, &expected)) << "no reference picture " << reference;
  int differing = 0;
  std::string first;
  if (expected.width == image.width && expected.height == image.height) {
    for (int y = 0; y < image.height; ++y) {
      for (int x = 0; x < image.width; ++x) {
        if (std::equal(image.at(x, y), image.at(x, y) + 3, expected.at(x, y))) continue;
        if (differing++ == 0) {
          first = "first at (" + std::to_string(x) + ", " + std::to_string(y) + "): " +
                  Rgb(image.at(x, y)) + ", expected " + Rgb(expected.at(x, y));
        }
      }
    }
  }
  if (differing == 0 && expected.width == image.width && expected.height == image.height) return;
  const std::wstring actualFolder = TestProgramFolder() + L"\\pictures";
  CreateDirectoryW(actualFolder.c_str(), nullptr);
  const std::string actual = Utf8(actualFolder) + "\\" + name + ".bmp";
  WriteBmp24(actual, image);
  ADD_FAILURE() << name << ": " << image.width << " x " << image.height << " shown, " << expected.width << " x "
                << expected.height << " kept; " << differing << " pixels differ; " << first
                << "\n  shown: " << actual << "\n  kept:  " << reference;
}
