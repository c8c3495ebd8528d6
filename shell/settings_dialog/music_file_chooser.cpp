#include "shell/settings_dialog/music_file_chooser.h"

#include <cstring>
#include <cwchar>

#include "shell/settings/ini_file.h"
#include "shell/settings/music_settings.h"
#include "shell/resources/messages.h"
#include "toolkit/ansi_path.h"
#include "toolkit/ansi_text.h"
#include "toolkit/message_box.h"

namespace {

// "BGMﾌｧｲﾙ (MP3 WAV)".
constexpr wchar_t kFilterDescription[] = L"BGM\uFF8C\uFF67\uFF72\uFF99 (MP3 WAV)";
constexpr wchar_t kFilterPattern[] = L"*.MP3;*.WAV";

}  // namespace

void PrepareMusicFileRecord(MusicFileRecord& out, HWND owner, const std::string& folder) {
  out.filter = kFilterDescription;
  out.filter.push_back(L'\0');
  out.filter += kFilterPattern;
  out.filter.push_back(L'\0');  // the list ends with an empty entry; c_str() adds the last NUL
  out.title = kMusicFileChooserTitle;
  out.folder = toolkit::FromAnsi(folder);
  std::wmemset(out.file, 0, kMusicFileBufferSize);
  std::wmemset(out.fileTitle, 0, kMusicFileBufferSize);
  std::memset(&out.record, 0, sizeof out.record);
  out.record.lStructSize = sizeof(OPENFILENAMEW);
  out.record.hwndOwner = owner;
  out.record.hInstance = GetModuleHandleW(nullptr);
  out.record.lpstrFilter = out.filter.c_str();
  out.record.lpstrFile = out.file;
  out.record.nMaxFile = kMusicFileBufferSize;
  out.record.lpstrFileTitle = out.fileTitle;
  out.record.nMaxFileTitle = kMusicFileBufferSize;
  out.record.lpstrInitialDir = out.folder.c_str();
  out.record.lpstrTitle = out.title.c_str();
  out.record.Flags = 0;
}

std::optional<std::string> ChooseMusicFile(HWND owner, const std::string& folder) {
  MusicFileRecord chooser;
  PrepareMusicFileRecord(chooser, owner, folder);
  const BOOL chosen = GetOpenFileNameW(&chooser.record);
  LastResult = chosen;
  if (chosen <= 0) return std::nullopt;
  const std::wstring path(chooser.file, wcsnlen(chooser.file, kMusicFileBufferSize));
  // "?" in place of the letters, or a name cut where the settings file reads it back, would
  // be saved without a word and find nothing next time.
  std::optional<std::string> kept = toolkit::AnsiPath(path, kIniValueMaxBytes);
  if (!kept) {
    bool lettersHeld = true;
    toolkit::ToAnsi(path, &lettersHeld);
    const wchar_t* why = lettersHeld ? kMusicFileNameTooLongText : kMusicFileNotKeptText;
    toolkit::ShowMessageBox(std::wstring(why) + L"\n" + path, kApplicationTitle,
                            MB_OK | MB_ICONWARNING, owner);
  }
  return kept;
}
