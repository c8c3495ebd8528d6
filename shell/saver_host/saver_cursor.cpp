#include "shell/saver_host/saver_cursor.h"

#include <windows.h>

#include "shell/startup/startup_state.h"

void HideCursorForSaver() { CursorCount = ShowCursor(FALSE); }

void GiveCursorBack() { CursorCount = ShowCursor(TRUE); }
