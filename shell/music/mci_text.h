#pragma once
// The text side of the multimedia commands: building command strings and reading replies.
// Needs no window and no device, so it is tested directly.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// A reply buffer's text: its characters up to the first NUL, never past its capacity.
std::string TextUpToNul(const char* buffer, std::size_t capacity);

// True when the text, upper-cased, holds "ERR" anywhere (how a failed query reads).
bool ContainsErr(std::string_view text);

// The number a reply holds: blanks around an optional sign, digits and an optional fraction.
// Anything else (empty, letters, hex, exponents) is not a number.
std::optional<double> ParseNumber(std::string_view text);

// "play <device>" with " from <from>" and " to <to>" for the pieces that are not empty.
std::string PlayCommand(const std::string& device, const std::string& from, const std::string& to);

// The command that opens a music file as the MP3 device, or nothing when the path cannot be
// quoted into one command (a quote or a control character would split or end it early).
std::optional<std::string> Mp3OpenCommand(const std::string& path);
