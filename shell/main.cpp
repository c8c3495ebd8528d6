#include "shell/main.h"

#include <windows.h>

#include <cstdint>

#include "shell/file_paths.h"
#include "shell/preview.h"
#include "shell/saver_cursor.h"
#include "shell/saver_host.h"
#include "shell/settings_dialog_entry.h"
#include "shell/settings_file.h"
#include "shell/startup.h"
#include "shell/startup_state.h"
#include "toolkit/message_box.h"
#include "toolkit/program.h"

namespace {

// Unicode, so the Japanese reads correctly whatever the system's code page.
constexpr wchar_t kMissingRendererText[] =
    L"Korvane.dll \u304C\u540C\u3058\uFF8C\uFF6B\uFF99\uFF80\uFF9E\u306B\u898B\u3064\u304B\u308A"
    L"\u307E\u305B\u3093\uFF01";  // "Korvane.dll が同じﾌｫﾙﾀﾞに見つかりません！"
constexpr wchar_t kApplicationTitle[] = L"Korvane (ScreenSaver)";

class WindowsStartupSteps final : public StartupSteps {
 public:
  bool WindowTitled(const char* title) override { return FindWindowA(nullptr, title) != nullptr; }

  void ShowPreview(std::int32_t parentWindow) override {
    // A window handle is a 32-bit value, widened with its sign as Windows does.
    ParentWindow = reinterpret_cast<HWND>(static_cast<std::intptr_t>(parentWindow));
    ::ShowPreview();
  }

  void LoadSettings() override { ::LoadSettings(); }

  bool RendererPresent() override { return FileExists(toolkit::ProgramFolderAnsi() + "\\Korvane.dll"); }

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
