#pragma once
// The preview's lattice picture: one frame of the saver's scene, reduced to the preview area.
// Needs the renderer's window and context to be current.
#include "tools/bmp_file.h"

// The 1024 x 768 back buffer as an image, top row first.
RgbImage ReadFrame();
// SceneDraw at `totalMs`, read back and reduced to kPreviewWidth x kPreviewHeight.
RgbImage RenderPreviewPicture(double totalMs);
