#pragma once
// Pictures kept in the test data as the reference for what a window shows, compared pixel for
// pixel. With KORVANE_WRITE_PICTURES=1 in the environment the picture shown is written as the
// new reference instead; on a difference it is written beside the test programs
// (pictures\<name>.bmp) for a look.
#include <string>

#include "tests/support/captured_pixels.h"

// `folder` is the test data's folder (a Windows path), `name` the picture's name without .bmp.
void ExpectSamePicture(const CapturedPixels& shown, const std::string& folder, const std::string& name);
