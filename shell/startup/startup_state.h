#pragma once
// Start-up values that the saver host and the preview use later.
#include <windows.h>

#include <cstdint>

// What ShowCursor returned when start-up hid the cursor; the host hands it back at the end.
extern std::int32_t CursorCount;

// The preview window named on the command line (/p and its handle); null when unreadable.
extern HWND ParentWindow;
