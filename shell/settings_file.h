#pragma once
// The settings file Korvane.ini in the program folder: one section, three keys, and loading
// them into the shared music settings.
#include <string>

inline constexpr char kSettingsSection[] = "Section";
// Key names as code page 932 bytes, whatever the system's code page: files written on any
// system stay readable on every other.
inline constexpr char kKindKey[] = "BGM\x8B\xE6\x95\xAA";        // "BGM区分"
inline constexpr char kTrackKey[] = "BGM\xD8\xCB\xDF\xB0\xC4";   // "BGMﾘﾋﾟｰﾄ"
inline constexpr char kFileKey[] = "BGM\xCC\xA7\xB2\xD9";        // "BGMﾌｧｲﾙ"

// The program folder followed by "\Korvane.ini".
std::string SettingsFilePath();

// Fills BGM_Kind, BGM_Track, BGM_File and BGM_Folder from the settings file. Missing keys
// give no music; a number that cannot be read leaves its variable as it was; a music file that
// is gone is forgotten (and the file kind falls back to none). Never writes anything.
void LoadSettings();
