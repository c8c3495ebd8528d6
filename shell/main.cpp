#include "shell/main.h"

#include <windows.h>

#include <cstdint>

#include "shell/preview/preview.h"
#include "shell/saver_host/saver_cursor.h"
#include "shell/saver_host/saver_host.h"
#include "shell/settings_dialog/settings_dialog_entry.h"
#include "shell/settings/settings_file.h"
#include "shell/startup/renderer_file.h"
#include "shell/resources/messages.h"
#include "shell/startup/startup.h"
#include "shell/startup/startup_state.h"
#include "toolkit/message_box.h"
#include "toolkit/program.h"

namespace {

class WindowsStartupSteps final : public StartupSteps {
 public:
  bool WindowTitled(const char* title) override { return FindWindowA(nullptr, title) != nullptr; }

  void ShowPreview(std::int32_t parentWindow) override {
    // A window handle is a 32-bit value, widened with its sign as Windows does.
    ParentWindow = reinterpret_cast<HWND>(static_cast<std::intptr_t>(parentWindow));
    ::ShowPreview();
  }

  void LoadSettings() override { ::LoadSettings(); }

  bool RendererPresent() override { return RendererPresentIn(toolkit::ProgramFolder()); }

  void ShowMissingRendererMessage() override {
    toolkit::ShowMessageBox(kMissingRendererText, kApplicationTitle, MB_OK);
  }

  void ShowSettingsDialog() override { ::ShowSettingsDialog(); }

  void HideCursor() override { HideCursorForSaver(); }

  void LoadSaverHost() override { ::LoadSaverHost(); }

  [[noreturn]] void EndProcess() override { toolkit::EndProcess(); }
};

}  // namespace

void Main() {
  WindowsStartupSteps steps;
  RunStartup(toolkit::ArgumentText(), steps);
}
