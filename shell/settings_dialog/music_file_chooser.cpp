#include "shell/settings_dialog/music_file_chooser.h"

#include <cstring>

#include "shell/settings/music_settings.h"
#include "toolkit/ansi_text.h"

namespace {

// "BGMﾌｧｲﾙ (MP3 WAV)" and "ﾌｧｲﾙを開く".
constexpr wchar_t kFilterDescription[] = L"BGM\uFF8C\uFF67\uFF72\uFF99 (MP3 WAV)";
constexpr char kFilterPattern[] = "*.MP3;*.WAV";
constexpr wchar_t kTitle[] = L"\uFF8C\uFF67\uFF72\uFF99\u3092\u958B\u304F";

}  // namespace

void PrepareMusicFileRecord(MusicFileRecord& out, HWND owner, const std::string& folder) {
  out.filter = toolkit::ToAnsi(kFilterDescription);
  out.filter.push_back('\0');
  out.filter += kFilterPattern;
  out.filter.push_back('\0');  // the list ends with an empty entry; c_str() adds the last NUL
  out.title = toolkit::ToAnsi(kTitle);
  std::memset(out.file, 0, sizeof out.file);
  std::memset(out.fileTitle, 0, sizeof out.fileTitle);
  std::memset(&out.record, 0, sizeof out.record);
  out.record.lStructSize = sizeof(OPENFILENAMEA);
  out.record.hwndOwner = owner;
  out.record.hInstance = GetModuleHandleA(nullptr);
  out.record.lpstrFilter = out.filter.c_str();
  out.record.lpstrFile = out.file;
  out.record.nMaxFile = kMusicFileBufferSize;
  out.record.lpstrFileTitle = out.fileTitle;
  out.record.nMaxFileTitle = kMusicFileBufferSize;
  out.record.lpstrInitialDir = folder.c_str();
  out.record.lpstrTitle = out.title.c_str();
  out.record.Flags = 0;
}

std::optional<std::string> ChooseMusicFile(HWND owner, const std::string& folder) {
  MusicFileRecord chooser;
  PrepareMusicFileRecord(chooser, owner, folder);
  const BOOL chosen = GetOpenFileNameA(&chooser.record);
  LastResult = chosen;
  if (chosen <= 0) return std::nullopt;
  return std::string(chooser.file, strnlen(chooser.file, kMusicFileBufferSize));
}
