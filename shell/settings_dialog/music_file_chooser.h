#pragma once
// The open-file dialog in which the user picks the MP3 or WAV file. It is the wide dialog, so
// that a name outside the ANSI code page comes back whole; the settings file holds ANSI text,
// so such a name, or one longer than the settings file reads back, is kept in its short (8.3)
// form, or refused with a message.
#include <windows.h>

#include <optional>
#include <string>

// The record as it is handed over: the buffers are the caller's (255 characters each, all NUL).
struct MusicFileRecord {
  std::wstring filter;  // "BGMﾌｧｲﾙ (MP3 WAV)" NUL "*.MP3;*.WAV" NUL NUL
  std::wstring title;   // "ﾌｧｲﾙを開く"
  std::wstring folder;
  wchar_t file[255];
  wchar_t fileTitle[255];
  OPENFILENAMEW record;
};

inline constexpr DWORD kMusicFileBufferSize = 255;
// "ﾌｧｲﾙを開く": the chooser's title, and what a screen reader calls the button that opens it.
inline constexpr wchar_t kMusicFileChooserTitle[] = L"\uFF8C\uFF67\uFF72\uFF99\u3092\u958B\u304F";

// Fills `out` for a chooser owned by `owner` that opens in `folder` (ANSI text, as kept).
void PrepareMusicFileRecord(MusicFileRecord& out, HWND owner, const std::string& folder);

// Shows the chooser and waits; the chosen path as the settings file keeps it, or nothing when
// the user cancelled, the chooser failed, or the name has no form the ANSI code page holds in
// the bytes the settings file reads back (then a message owned by `owner` has said so). The
// chooser's result goes to LastResult.
std::optional<std::string> ChooseMusicFile(HWND owner, const std::string& folder);
