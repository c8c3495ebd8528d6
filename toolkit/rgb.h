#pragma once
// A colour as red, green and blue levels of 0 to 255. No windows here.
#include <cstdint>

namespace toolkit {

struct Rgb {
  std::uint8_t red;
  std::uint8_t green;
  std::uint8_t blue;
};

}  // namespace toolkit
