#pragma once
// How the preview's lattice picture is made from the saver's scene.
#include "tools/bmp_file.h"

// Preview area of the Display Properties dialog.
constexpr int kPreviewWidth = 152;
constexpr int kPreviewHeight = 112;
// A moment of the run where the lattice has turned enough to show depth.
constexpr double kPreviewTimeMs = 14000.0;

// Area-weighted reduction: each target pixel averages the source pixels it covers.
RgbImage ResampleArea(const RgbImage& source, int width, int height);
