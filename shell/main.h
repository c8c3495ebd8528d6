#pragma once
// The shell's start-up routine: one instance, the mode from the argument text, the settings,
// the renderer check, then the preview, the settings dialog or the saver host.
void Main();
