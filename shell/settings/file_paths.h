#pragma once
// The checks the shell makes on paths: stored ones in the system's ANSI code page, and any
// path in its wide form.
#include <string>

// True when `path` names a file that can be opened for reading (not a folder).
bool FileOpensForReading(const std::wstring& path);

// True when `path` names a file that can be opened for reading. One trailing "\" is ignored;
// a folder, a missing file, an empty path and an unreadable file all give false.
bool FileExists(const std::string& path);

// The folder part of a path: C:\Music\a.mp3 gives C:\Music, C:\a.mp3 gives C:, a.mp3 gives "".
std::string FolderOf(const std::string& path);
