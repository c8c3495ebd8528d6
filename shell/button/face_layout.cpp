#include "shell/button/face_layout.h"

#include <cmath>

std::array<BorderPiece, 8> BorderPieces(double faceWidth, double faceHeight) {
  // Whole twips, as the design measures.
  const double W = std::lround(faceWidth);
  const double H = std::lround(faceHeight);
  constexpr double c = kCornerTwips;
  const double w = std::lround(faceWidth - 2 * c);
  const double h = std::lround(faceHeight - 2 * c);
  constexpr double sw = kSkinWidthTwips - 2 * c;   // 840
  constexpr double sh = kSkinHeightTwips - 2 * c;  // 255
  constexpr double right = kSkinWidthTwips - c;    // 900
  constexpr double bottom = kSkinHeightTwips - c;  // 315
  // The 1-twip offsets are the design's own; below a pixel, they vanish on screen.
  return {{
      {{1, 1, c, c}, {0, 0, c, c}},
      {{c, 1, w, c}, {c, 1, sw, c}},
      {{W - c, 1, c, c}, {right, 1, c, c}},
      {{W - c, c, c, h}, {right, c, c, sh}},
      {{W - c, H - c, c, c}, {right, bottom, c, c}},
      {{c, H - c, w, c}, {c, bottom, sw, c}},
      {{1, H - c, c, c}, {0, bottom, c, c}},
      {{1, c, c, h}, {1, c, c, sh}},
  }};
}

double CaptionTop(double faceHeight, double labelHeight) {
  return (faceHeight - labelHeight - 20.0) / 2.0;
}

bool GradientReversedAfter(std::uint8_t buttonState, bool reversedBefore) {
  switch (buttonState) {
    case 1:
    case 3: return false;
    case 2: return true;
    default: return reversedBefore;
  }
}
