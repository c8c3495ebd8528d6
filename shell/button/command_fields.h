#pragma once
// The fields of one Command button, all zero when it is created.
#include <cstdint>

struct CommandFields {
  // 0 before Initialize; 1 Normal (no focus, pointer elsewhere); 2 HighLight (pointer
  // over, no focus); 3 Selected (focus, pointer elsewhere); 4 HighLightSelect (both)
  std::uint8_t ButtonState = 0;
  bool MouseIsDown = false;  // the left button went down here and is not yet released
  bool EnabledValue = false;
  std::uint8_t FirstRun = 0;      // 1 once the button has set itself up, or as stored
  bool GradientReversed = false;  // the face's darker colour at the top; kept between paints
};
