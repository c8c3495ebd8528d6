#include "shell/settings_dialog_entry.h"

#include "toolkit/program.h"

// The settings dialog is not built yet: the request ends where the dialog would open.
void ShowSettingsDialog() { toolkit::EndProcess(); }
