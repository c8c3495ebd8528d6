#include "shell/settings/settings_file.h"

#include "shell/settings/file_paths.h"
#include "shell/settings/ini_file.h"
#include "shell/settings/music_settings.h"
#include "shell/text/number_text.h"
#include "toolkit/program.h"

std::string SettingsFilePath() { return toolkit::ProgramFolderAnsi() + "\\Korvane.ini"; }

std::wstring SettingsFileShownPath() { return toolkit::ProgramFolder() + L"\\Korvane.ini"; }

void LoadSettings() {
  const std::string file = SettingsFilePath();
  BGM_Kind = LoadedSettingNumber(ReadIni(kSettingsSection, kKindKey, file), BGM_Kind);
  BGM_Track = LoadedSettingNumber(ReadIni(kSettingsSection, kTrackKey, file), BGM_Track);
  const std::string musicFile = ReadIni(kSettingsSection, kFileKey, file);
  if (!musicFile.empty() && FileExists(musicFile)) {
    BGM_File = musicFile;
  } else {
    BGM_File.clear();
    if (BGM_Kind == kMusicFile) BGM_Kind = kNoMusic;
  }
  BGM_Folder = BGM_File.empty() ? toolkit::ProgramFolderAnsi() : FolderOf(BGM_File);
}

SettingsSaved SaveSettings(const SettingWriter& write) {
  int written = write(kKindKey, NumberText(BGM_Kind));
  written += write(kTrackKey, NumberText(BGM_Track));
  written += write(kFileKey, BGM_File);
  if (written == 3) return SettingsSaved::kAll;
  return written == 0 ? SettingsSaved::kNothing : SettingsSaved::kPart;
}

SettingsSaved SaveSettings() {
  const std::string file = SettingsFilePath();
  return SaveSettings([&](const char* key, const std::string& value) {
    return WriteIni(kSettingsSection, key, value, file);
  });
}
