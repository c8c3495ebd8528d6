#include "shell/startup_state.h"

std::int32_t CursorCount = 0;
HWND ParentWindow = nullptr;
