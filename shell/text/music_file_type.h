#pragma once
// The music file's type, taken from the last three characters of its name, upper-cased.
#include <string>

enum class MusicFileType { kNone, kWav, kMp3 };

MusicFileType MusicFileTypeOf(const std::string& path);
