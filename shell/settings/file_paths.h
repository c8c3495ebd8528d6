#pragma once
// The two checks the shell makes on stored paths. Text is in the system's ANSI code page.
#include <string>

// True when `path` names a file that can be opened for reading. One trailing "\" is ignored;
// a folder, a missing file, an empty path and an unreadable file all give false.
bool FileExists(const std::string& path);

// The folder part of a path: C:\Music\a.mp3 gives C:\Music, C:\a.mp3 gives C:, a.mp3 gives "".
std::string FolderOf(const std::string& path);
