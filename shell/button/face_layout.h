#pragma once
// Where the pieces of a button face go, in twips: the border of the skin in eight pieces
// (corners copied as they are, edges stretched), the caption's box, and which way the
// face's gradient runs. The skin measures 960 × 375 twips with 60-twip corners.
#include <array>
#include <cstdint>
#include <string_view>

#include "toolkit/rgb.h"
#include "toolkit/twips_box.h"

struct BorderPiece {
  toolkit::TwipsBox destination;
  toolkit::TwipsBox source;
};

inline constexpr int kCornerTwips = 60;
inline constexpr int kSkinWidthTwips = 960;
inline constexpr int kSkinHeightTwips = 375;

// In painting order: top-left corner, top edge, top-right corner, right edge, bottom-right
// corner, bottom edge, bottom-left corner, left edge. A face narrower or lower than its two
// corners gets edges of negative size, which paint nothing.
std::array<BorderPiece, 8> BorderPieces(double faceWidth, double faceHeight);

// The caption box sits 10 twips above the middle of the face.
double CaptionTop(double faceHeight, double labelHeight);

// States 1 and 3 put the light colour on top, 2 the dark one; 0 and 4 keep the last paint's.
bool GradientReversedAfter(std::uint8_t buttonState, bool reversedBefore);

// "&HRRGGBB": the pairs are read in text order as red, green, blue (not the platform's
// blue-green-red order). Text of another shape gives black.
constexpr toolkit::Rgb RgbFromHexText(std::string_view text) {
  auto digit = [](char c) -> int {
    return (c >= '0' && c <= '9')   ? c - '0'
           : (c >= 'A' && c <= 'F') ? c - 'A' + 10
           : (c >= 'a' && c <= 'f') ? c - 'a' + 10
                                    : -1;
  };
  if (text.size() != 8 || text[0] != '&' || (text[1] != 'H' && text[1] != 'h')) return {0, 0, 0};
  int values[6] = {};
  for (int i = 0; i < 6; ++i) {
    values[i] = digit(text[2 + i]);
    if (values[i] < 0) return {0, 0, 0};
  }
  return {static_cast<std::uint8_t>(values[0] * 16 + values[1]),
          static_cast<std::uint8_t>(values[2] * 16 + values[3]),
          static_cast<std::uint8_t>(values[4] * 16 + values[5])};
}

inline constexpr toolkit::Rgb kFaceLight = RgbFromHexText("&HFFFFFF");
inline constexpr toolkit::Rgb kFaceShade = RgbFromHexText("&HC6C5D7");
static_assert(kFaceShade.red == 198 && kFaceShade.green == 197 && kFaceShade.blue == 215);
