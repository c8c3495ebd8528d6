#pragma once
// Little-endian fields of the Windows picture file formats.
#include <cstdint>
#include <vector>

inline void Put16(std::vector<std::uint8_t>& out, unsigned v) {
  out.push_back(v & 0xff);
  out.push_back((v >> 8) & 0xff);
}

inline void Put32(std::vector<std::uint8_t>& out, unsigned v) {
  Put16(out, v & 0xffff);
  Put16(out, v >> 16);
}

inline unsigned Get32(const std::uint8_t* p) {
  return p[0] | p[1] << 8 | p[2] << 16 | unsigned(p[3]) << 24;
}
