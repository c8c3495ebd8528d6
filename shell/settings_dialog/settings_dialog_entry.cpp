#include "shell/settings_dialog/settings_dialog_entry.h"

#include "shell/settings_dialog/korvane_p.h"

void ShowSettingsDialog() {
  Korvane_P dialog;
  dialog.ShowModal();
}
