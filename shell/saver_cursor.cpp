#include "shell/saver_cursor.h"

#include <windows.h>

#include "shell/startup_state.h"

void HideCursorForSaver() { CursorCount = ShowCursor(FALSE); }

void GiveCursorBack() { CursorCount = ShowCursor(TRUE); }
