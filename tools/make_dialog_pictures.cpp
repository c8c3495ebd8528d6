// Draws the settings dialog's small pictures into a folder:
//   make_dialog_pictures <folder>
// mark_off.bmp / mark_on.bmp (12 x 12 selection marks), korvane.ico (32 x 32, 256 colours)
// and hand.cur (32 x 32 two-colour pointing hand, hot spot at the fingertip, 12, 10).
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "tools/bmp_file.h"
#include "tools/icon_file.h"

namespace {

RgbImage Mark(bool chosen) {
  RgbImage mark;
  mark.width = mark.height = 12;
  mark.rgb.assign(12 * 12 * 3, 0);
  for (int y = 0; y < 12; ++y) {
    for (int x = 0; x < 12; ++x) {
      std::uint8_t* p = mark.at(x, y);
      bool edge = x == 0 || y == 0 || x == 11 || y == 11;
      bool shadow = x == 1 || y == 1;
      bool centre = x >= 3 && x <= 8 && y >= 3 && y <= 8;
      int r = 0xF4, g = 0xF4, b = 0xF0;                   // light face
      if (edge) r = 0x1C, g = 0x51, b = 0x80;             // blue-grey frame
      else if (shadow) r = 0xDC, g = 0xDC, b = 0xD8;
      else if (chosen && centre) r = 0x21, g = 0xA1, b = 0x21 + 0xC0;  // blue centre
      if (chosen && centre && (x == 3 || y == 3)) r = 0x60, g = 0xB0, b = 0xFF;
      p[0] = static_cast<std::uint8_t>(r);
      p[1] = static_cast<std::uint8_t>(g);
      p[2] = static_cast<std::uint8_t>(std::min(b, 255));
    }
  }
  return mark;
}

// A glowing lattice seen head-on: squares that grow brighter and larger towards the centre.
IndexedImage Icon() {
  IndexedImage icon;
  icon.width = icon.height = 32;
  for (int i = 0; i < 256; ++i) {
    int blue = std::min(255, 40 + i);
    icon.palette.push_back((i << 16) | (i << 8) | blue);
  }
  icon.index.assign(32 * 32, 0);
  icon.transparent.assign(32 * 32, false);
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      double level = 0;
      for (int layer = 0; layer < 3; ++layer) {
        double cell = 8.0 - layer * 2.0, size = cell * 0.6;
        double ox = std::fmod(x - 16 + 64 * cell + cell / 2, cell);
        double oy = std::fmod(y - 16 + 64 * cell + cell / 2, cell);
        if (ox < size && oy < size) level += 70 - layer * 15;
      }
      double dx = x - 15.5, dy = y - 15.5;
      level += 60 * std::exp(-(dx * dx + dy * dy) / 60);
      if (x == 0 || y == 0 || x == 31 || y == 31) level = 10;
      icon.index[y * 32 + x] = static_cast<std::uint8_t>(std::min(255.0, level));
    }
  }
  return icon;
}

// '#' black, 'o' white, anything else transparent.
const char* const kHand[32] = {
    "................................",  // 0
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "............##..................",  // 10: the fingertip
    "...........#oo#.................",
    "...........#oo#.................",
    "...........#oo#.................",
    "...........#oo#.................",
    "...........#oo###...............",
    "...........#oo#oo###............",
    "...........#oo#oo#oo##..........",
    "........##.#oo#oo#oo#o#.........",
    "........#o##oooooooo#oo#........",
    "........#oo#ooooooooooo#........",
    ".........#o#ooooooooooo#........",
    ".........#oooooooooooooo#.......",
    "..........#ooooooooooooo#.......",
    "..........#oooooooooooo#........",
    "...........#ooooooooooo#........",
    "...........#oooooooooo#.........",
    "............#ooooooooo#.........",
    "............#ooooooooo#.........",
    "............###########.........",
    "................................",
    "................................",
};

IndexedImage Hand() {
  IndexedImage hand;
  hand.width = hand.height = 32;
  hand.palette = {0x000000, 0xFFFFFF};
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      char c = kHand[y][x];
      hand.index.push_back(c == 'o' ? 1 : 0);
      hand.transparent.push_back(c != '#' && c != 'o');
    }
  }
  return hand;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_dialog_pictures <folder>\n");
    return 2;
  }
  const std::string folder = argv[1];
  bool ok = WriteBmp24(folder + "/mark_off.bmp", Mark(false)) &&
            WriteBmp24(folder + "/mark_on.bmp", Mark(true)) &&
            WriteIcon(folder + "/korvane.ico", Icon(), 8) &&
            WriteCursor(folder + "/hand.cur", Hand(), 12, 10);
  std::printf("%s\n", ok ? "written" : "could not write the pictures");
  return ok ? 0 : 1;
}
