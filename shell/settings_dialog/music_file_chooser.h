#pragma once
// The open-file dialog in which the user picks the MP3 or WAV file, through the ANSI common
// dialog so that the chosen path is in the form the settings file keeps.
#include <windows.h>

#include <optional>
#include <string>

// The record as it is handed over: its filter and title are in the system's ANSI code page,
// the buffers are the caller's (255 characters each, all NUL).
struct MusicFileRecord {
  std::string filter;  // "BGMﾌｧｲﾙ (MP3 WAV)" NUL "*.MP3;*.WAV" NUL NUL
  std::string title;   // "ﾌｧｲﾙを開く"
  char file[255];
  char fileTitle[255];
  OPENFILENAMEA record;
};

inline constexpr DWORD kMusicFileBufferSize = 255;

// Fills `out` for a chooser owned by `owner` that opens in `folder`.
void PrepareMusicFileRecord(MusicFileRecord& out, HWND owner, const std::string& folder);

// Shows the chooser and waits; the chosen path, or nothing when the user cancelled or the
// chooser failed. The chooser's result goes to LastResult.
std::optional<std::string> ChooseMusicFile(HWND owner, const std::string& folder);
