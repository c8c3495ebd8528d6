#include "shell/music/mci_text.h"

#include <cctype>
#include <cstring>

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
  auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);

  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  double value = 0;
  double scale = 0;  // 0 before the decimal point, then the weight of the next digit
  int digits = 0;
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      if (scale == 0) {
        value = value * 10 + (c - '0');
      } else {
        value += (c - '0') * scale;
        scale /= 10;
      }
      ++digits;
    } else if (c == '.' && scale == 0) {
      scale = 0.1;
    } else {
      return std::nullopt;
    }
  }
  if (digits == 0) return std::nullopt;
  return negative ? -value : value;
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
