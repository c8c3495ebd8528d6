#pragma once
// The one cursor hide of a /s start, and its undoing when the saver ends.

// Hides the cursor once and keeps what ShowCursor returned in CursorCount.
void HideCursorForSaver();
// Shows the cursor once, undoing exactly HideCursorForSaver. Handing CursorCount back to
// ShowCursor instead would hide it again whenever the count had been 0 after the hide.
void GiveCursorBack();
