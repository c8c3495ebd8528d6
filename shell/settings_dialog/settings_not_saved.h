#pragma once
// Telling the user that the settings file refused the choice, so it is not lost unnoticed.
#include <windows.h>

#include "shell/settings/settings_file.h"

// A warning owned by `owner` that names the settings file; waits until it is dismissed.
// Shows nothing for kAll.
void ShowSettingsNotSaved(HWND owner, SettingsSaved saved);
