#include "shell/settings_dialog/dialog_placement.h"

TwipsPoint DialogPosition(long screenWidth, long screenHeight, long dialogWidth,
                          long dialogHeight) {
  // Integer division truncates towards zero, also for a dialog larger than the screen.
  return TwipsPoint{(screenWidth - dialogWidth) / 2, (screenHeight - dialogHeight) / 3};
}
