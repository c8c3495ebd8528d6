#pragma once
// The music choice, shared by start-up, the saver host, the player and the settings dialog.
// Loaded once per process; text is in the system's ANSI code page, as Win32's A functions
// take it.
#include <cstdint>
#include <string>

// BGM_Kind's values: where the music comes from.
inline constexpr std::int16_t kNoMusic = 0;
inline constexpr std::int16_t kMusicCd = 1;
inline constexpr std::int16_t kMusicFile = 2;  // an MP3 or WAV file

extern std::int16_t BGM_Kind;   // kNoMusic, kMusicCd or kMusicFile (or anything a file held)
extern std::int16_t BGM_Track;  // CD track to keep playing; 0 = the whole disc
extern std::string BGM_File;    // full path of the music file, may be empty
extern std::string BGM_Folder;  // where the dialog's file chooser opens

// The result of the most recent Win32 or multimedia call that stores one; nothing reads it.
extern std::int32_t LastResult;
