#include "shell/settings/music_settings.h"

std::int16_t BGM_Kind = 0;
std::int16_t BGM_Track = 0;
std::string BGM_File;
std::string BGM_Folder;
std::int32_t LastResult = 0;
