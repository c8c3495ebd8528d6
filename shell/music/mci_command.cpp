#include "shell/music/mci_command.h"

#include <algorithm>

#include "shell/music/mci_calls.h"
#include "shell/music/mci_text.h"
#include "shell/settings/music_settings.h"
#include "toolkit/ansi_text.h"

std::string MCI_Reply;

namespace {

MciCalls calls;

constexpr unsigned kReplyCapacity = 512;
constexpr unsigned kErrorTextCapacity = 256;

char replyBuffer[kReplyCapacity];
char errorTextBuffer[kErrorTextCapacity];

}  // namespace

MciCalls ReplaceMciCalls(MciCalls replacement) {
  const MciCalls previous = calls;
  calls = replacement;
  return previous;
}

std::int32_t SendWithoutReply(const std::string& command) {
  return static_cast<std::int32_t>(calls.sendString(command.c_str(), nullptr, 0, nullptr));
}

std::int32_t SendForReply(const std::string& command, char* buffer, unsigned capacity) {
  // A command that answers nothing must not leave the previous reply readable.
  std::fill(buffer, buffer + capacity, '\0');
  return static_cast<std::int32_t>(calls.sendString(command.c_str(), buffer, capacity, nullptr));
}

std::int32_t MCI_Send(const std::string& command, std::string& reply) noexcept {
  try {
    if (command.empty()) {
      reply = toolkit::AnsiFromUtf8("コマンド文字列が指定されていません");
      return -1;
    }
    const std::int32_t code = SendForReply(command, replyBuffer, kReplyCapacity);
    LastResult = code;
    if (code != 0) {
      std::fill(std::begin(errorTextBuffer), std::end(errorTextBuffer), '\0');
      if (mciGetErrorStringA(static_cast<MCIERROR>(code), errorTextBuffer, kErrorTextCapacity)) {
        reply = TextUpToNul(errorTextBuffer, kErrorTextCapacity);
      } else {
        reply = toolkit::AnsiFromUtf8("Error (文字列が取れません)");
      }
      return code;
    }
    reply = TextUpToNul(replyBuffer, kReplyCapacity);
    return 0;
  } catch (...) {
    return -1;
  }
}

std::string MCI_Query(const std::string& command) noexcept {
  try {
    const std::int32_t code = MCI_Send(command, MCI_Reply);
    LastResult = code;
    if (code != 0) return "Error:" + std::to_string(code);
    return MCI_Reply;
  } catch (...) {
    return {};
  }
}

std::int32_t MCI_Play(const std::string& device, const std::string& from,
                      const std::string& to) noexcept {
  try {
    return MCI_Send(PlayCommand(device, from, to), MCI_Reply);
  } catch (...) {
    return -1;
  }
}
