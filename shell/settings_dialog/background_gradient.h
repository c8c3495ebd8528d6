#pragma once
// The dialog's painted background: half a sine period from the top edge to the bottom one,
// darkest at both edges. No windows here.
#include "toolkit/rgb.h"

// The level of pixel row y (0 at the top) on a surface `height` pixels high: |sin(y / k)| × 220
// with k = height / 3.142, rounded to an integer, halves to even. 0 for an empty surface.
int GradientLevel(int y, int height);

// The form's rows run from (0, 0, 30) to (220, 220, 250); the panel's are grey, 30 to 250.
toolkit::Rgb FormRowColour(int level);
toolkit::Rgb PanelRowColour(int level);
