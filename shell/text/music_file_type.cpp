#include "shell/text/music_file_type.h"

MusicFileType MusicFileTypeOf(const std::string& path) {
  if (path.size() < 3) return MusicFileType::kNone;
  std::string last = path.substr(path.size() - 3);
  // ASCII only: a trailing lead byte of a double-byte character must stay as it is.
  for (char& c : last)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  if (last == "WAV") return MusicFileType::kWav;
  if (last == "MP3") return MusicFileType::kMp3;
  return MusicFileType::kNone;
}
