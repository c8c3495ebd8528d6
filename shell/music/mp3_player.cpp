#include "shell/music/mp3_player.h"

#include <string>

#include "shell/music/mci_command.h"
#include "shell/music/mci_text.h"
#include "shell/settings/music_settings.h"

namespace {

constexpr unsigned kModeCapacity = 30;
char modeBuffer[kModeCapacity];

}  // namespace

void MP3_Open() noexcept {
  try {
    const auto open = Mp3OpenCommand(BGM_File);
    if (!open) return;
    if (SendWithoutReply(*open) == 0) SendWithoutReply("play MP3Play");
  } catch (...) {
  }
}

bool MP3_IsPlaying() noexcept {
  try {
    SendForReply("status MP3Play mode", modeBuffer, kModeCapacity);
    return TextUpToNul(modeBuffer, kModeCapacity).substr(0, 7) == "playing";
  } catch (...) {
    return false;
  }
}

void MP3_Repeat() noexcept {
  if (MP3_IsPlaying()) return;
  try {
    SendWithoutReply("stop MP3Play");
    SendWithoutReply("play MP3Play from 0");
  } catch (...) {
  }
}

void MP3_Close() noexcept {
  try {
    SendWithoutReply("stop MP3Play");
    SendWithoutReply("close MP3Play");
  } catch (...) {
  }
}
