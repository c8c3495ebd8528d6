#pragma once
// The settings file Korvane.ini in the program folder: one section, three keys, and loading
// them into the shared music settings.
#include <functional>
#include <string>

inline constexpr char kSettingsSection[] = "Section";
// Key names as code page 932 bytes, whatever the system's code page: files written on any
// system stay readable on every other.
inline constexpr char kKindKey[] = "BGM\x8B\xE6\x95\xAA";        // "BGM区分"
inline constexpr char kTrackKey[] = "BGM\xD8\xCB\xDF\xB0\xC4";   // "BGMﾘﾋﾟｰﾄ"
inline constexpr char kFileKey[] = "BGM\xCC\xA7\xB2\xD9";        // "BGMﾌｧｲﾙ"

// The program folder followed by "\Korvane.ini".
std::string SettingsFilePath();
// The same path to show to the user, with the folder's name as it is.
std::wstring SettingsFileShownPath();

// Fills BGM_Kind, BGM_Track, BGM_File and BGM_Folder from the settings file. Missing keys
// give no music; a number that cannot be read leaves its variable as it was; a music file that
// is gone is forgotten (and the file kind falls back to none). Never writes anything.
void LoadSettings();

// How much of the settings reached the file.
enum class SettingsSaved { kAll, kPart, kNothing };

// Writes one key of the settings section; true when it was written.
using SettingWriter = std::function<bool(const char* key, const std::string& value)>;

// Writes BGM_Kind, BGM_Track and BGM_File, in that order, each whatever became of the others.
SettingsSaved SaveSettings(const SettingWriter& write);
// The same into the settings file.
SettingsSaved SaveSettings();
