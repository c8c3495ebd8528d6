#pragma once
// One key of a profile (INI) file through the system's profile functions. Text is in the
// system's ANSI code page and passes through unchanged.
#include <cstddef>
#include <string>

// The most bytes of a value that ReadIni gives back; a longer one comes back cut.
inline constexpr std::size_t kIniValueMaxBytes = 255;

// The key's value, at most kIniValueMaxBytes; "" when the key, the section or the file is missing.
std::string ReadIni(const std::string& section, const std::string& key, const std::string& file);

// Writes one key, making the file and the section when they are missing. The system's result
// goes to LastResult too; false when the key was not written (a read-only folder, say).
bool WriteIni(const std::string& section, const std::string& key, const std::string& value,
              const std::string& file);
