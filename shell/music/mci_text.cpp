#include "shell/music/mci_text.h"

#include <cctype>
#include <cstdlib>
#include <cstring>

#include "shell/text/decimal_scan.h"

std::string TextUpToNul(const char* buffer, std::size_t capacity) {
  const void* nul = std::memchr(buffer, '\0', capacity);
  const std::size_t length =
      nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - buffer) : capacity;
  return std::string(buffer, length);
}

bool ContainsErr(std::string_view text) {
  for (std::size_t i = 0; i + 3 <= text.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(text[i])) == 'E' &&
        std::toupper(static_cast<unsigned char>(text[i + 1])) == 'R' &&
        std::toupper(static_cast<unsigned char>(text[i + 2])) == 'R') {
      return true;
    }
  }
  return false;
}

std::optional<double> ParseNumber(std::string_view text) {
  const DecimalScan number = ScanTrimmed(text, Exponent::kNone);
  if (number.ascii.empty() || !number.whole) return std::nullopt;
  return std::strtod(number.ascii.c_str(), nullptr);
}

std::string PlayCommand(const std::string& device, const std::string& from, const std::string& to) {
  std::string command = "play " + device;
  if (!from.empty()) command += " from " + from;
  if (!to.empty()) command += " to " + to;
  return command;
}

std::optional<std::string> Mp3OpenCommand(const std::string& path) {
  for (char c : path) {
    if (c == '"' || static_cast<unsigned char>(c) < 0x20) return std::nullopt;
  }
  return "open \"" + path + "\" type MPEGVideo Alias MP3Play";
}
