#include "shell/startup/startup.h"

#include "shell/startup/modes.h"

void RunStartup(std::wstring_view argumentText, StartupSteps& steps) {
  // Both look-ups are made whatever the first finds.
  const bool saverRunning = steps.WindowTitled("Korvane_Main");
  const bool dialogOpen = steps.WindowTitled("<Korvane>");
  if (saverRunning || dialogOpen) steps.EndProcess();

  const wchar_t mode = ModeLetter(argumentText);
  if (mode == L'P') {
    steps.ShowPreview(ParentWindowNumber(argumentText));
    return;
  }

  steps.LoadSettings();
  if (!steps.RendererPresent()) {
    steps.ShowMissingRendererMessage();
    steps.EndProcess();
  }

  if (mode == L'C') {
    steps.ShowSettingsDialog();
    steps.EndProcess();
  }

  if (!argumentText.empty() && mode != L'S') steps.EndProcess();

  if (mode == L'S') steps.HideCursor();
  steps.LoadSaverHost();
}
