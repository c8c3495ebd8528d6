#pragma once
// The start-up order of the shell, apart from the windows it acts on so that every row of the
// modes table is unit tested. Main() runs it with the real steps.
#include <cstdint>
#include <string_view>

// What start-up does to the world, one call per step.
class StartupSteps {
 public:
  virtual ~StartupSteps() = default;
  // A top-level window with exactly this title exists (visible or not), whatever its class.
  virtual bool WindowTitled(const char* title) = 0;
  virtual void ShowPreview(std::int32_t parentWindow) = 0;
  virtual void LoadSettings() = 0;
  // The renderer file is in the program folder.
  virtual bool RendererPresent() = 0;
  virtual void ShowMissingRendererMessage() = 0;
  // Shows the settings dialog modally; returns when it has closed.
  virtual void ShowSettingsDialog() = 0;
  virtual void HideCursor() = 0;
  virtual void LoadSaverHost() = 0;
  // Ends the process at once; never returns.
  [[noreturn]] virtual void EndProcess() = 0;
};

// Modes by the argument text's mode letter:
//   P      preview (before the settings and the renderer check); returns
//   C      settings dialog, then the end
//   S      hide the cursor, load the saver host; returns
//   none   (empty text) the saver host with the cursor left alone; returns
//   other  (A included) the end, after the renderer check
// A running saver host ("Korvane_Main") or settings dialog ("<Korvane>") ends any start at once.
void RunStartup(std::wstring_view argumentText, StartupSteps& steps);
