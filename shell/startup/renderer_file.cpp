#include "shell/startup/renderer_file.h"

#include "shell/settings/file_paths.h"

std::wstring RendererFileIn(const std::wstring& folder) { return folder + L"\\Korvane.dll"; }

bool RendererPresentIn(const std::wstring& folder) {
  return FileOpensForReading(RendererFileIn(folder));
}
