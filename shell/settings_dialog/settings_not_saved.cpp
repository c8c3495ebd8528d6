#include "shell/settings_dialog/settings_not_saved.h"

#include <string>

#include "shell/resources/messages.h"
#include "toolkit/message_box.h"

void ShowSettingsNotSaved(HWND owner, SettingsSaved saved) {
  if (saved == SettingsSaved::kAll) return;
  const std::wstring text =
      std::wstring(saved == SettingsSaved::kPart ? kSettingsPartlySavedText : kSettingsNotSavedText) +
      L"\n" + SettingsFileShownPath();
  toolkit::ShowMessageBox(text, kApplicationTitle, MB_OK | MB_ICONWARNING, owner);
}
