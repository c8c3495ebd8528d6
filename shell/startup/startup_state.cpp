#include "shell/startup/startup_state.h"

std::int32_t CursorCount = 0;
HWND ParentWindow = nullptr;
