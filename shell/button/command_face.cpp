#include <cmath>

#include "shell/button/command.h"
#include "shell/button/face_layout.h"
#include "toolkit/dpi.h"

namespace {

void SetVertexColour(TRIVERTEX& vertex, Rgb colour) {
  vertex.Red = static_cast<COLOR16>(colour.red << 8);
  vertex.Green = static_cast<COLOR16>(colour.green << 8);
  vertex.Blue = static_cast<COLOR16>(colour.blue << 8);
  vertex.Alpha = 0;
}

}  // namespace

void Command::DrawButton(Skin skin) {
  fields_.GradientReversed = GradientReversedAfter(fields_.ButtonState, fields_.GradientReversed);
  const double faceWidth = ScaleWidth();
  const double faceHeight = ScaleHeight();
  Cls();
  DrawGradient();
  for (const BorderPiece& piece : BorderPieces(faceWidth, faceHeight)) {
    const TwipRect& to = piece.destination;
    const TwipRect& from = piece.source;
    PaintPicture(skins_[skin], to.left, to.top, to.width, to.height, from.left, from.top,
                 from.width, from.height);
  }
  Refresh();
  LblMsg_.Move(toolkit::TwipsToPixelRect(0, CaptionTop(faceHeight, kLblMsgHeightTwips), faceWidth,
                                         kLblMsgHeightTwips, TwipsPerPixel()));
}

void Command::DrawGradient() {
  SetScaleMode(toolkit::controls::ScaleMode::Pixels);
  vertices_[0].x = 0;
  vertices_[0].y = 0;
  vertices_[1].x = static_cast<LONG>(std::lround(ScaleWidth() - 1));
  vertices_[1].y = static_cast<LONG>(std::lround(ScaleHeight() - 1));
  SetVertexColour(vertices_[0], fields_.GradientReversed ? kFaceShade : kFaceLight);
  SetVertexColour(vertices_[1], fields_.GradientReversed ? kFaceLight : kFaceShade);
  // The indexes are the design's: the colours follow the vertices' positions, so vertex 0
  // still gives the top row whichever index names it.
  gradientRect_.UpperLeft = 1;
  gradientRect_.LowerRight = 0;
  if (hDC()) {
    GradientFill(hDC(), vertices_.data(), static_cast<ULONG>(vertices_.size()), &gradientRect_, 1,
                 GRADIENT_FILL_RECT_V);
  }
  SetScaleMode(toolkit::controls::ScaleMode::Twips);
  Refresh();
}
