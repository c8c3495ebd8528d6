#pragma once
// Sending multimedia command strings and turning codes and replies into text.
#include <windows.h>
#include <mmsystem.h>

#include <cstdint>
#include <string>

// Reply (or error text) of the last command sent through MCI_Query or MCI_Play; output only.
extern std::string MCI_Reply;

// Sends the command with a 512-character reply buffer; returns the platform's code (0 = done)
// or -1 for an empty command, and puts the reply or the error's text into `reply`.
std::int32_t MCI_Send(const std::string& command, std::string& reply) noexcept;

// The reply of a query, or "Error:" and the code when it failed.
std::string MCI_Query(const std::string& command) noexcept;

// "play <device>" from and to the given positions (each left out when empty); returns the code.
std::int32_t MCI_Play(const std::string& device, const std::string& from,
                      const std::string& to) noexcept;

// A command whose reply nobody wants: sent with no buffer and capacity 0.
std::int32_t SendWithoutReply(const std::string& command);

// A command whose reply lands in a caller's fixed buffer of `capacity` characters.
std::int32_t SendForReply(const std::string& command, char* buffer, unsigned capacity);
