#pragma once
// Shows the settings dialog modally (a /c request); returns when it has closed.
void ShowSettingsDialog();
