#include "shell/music/cd_player.h"

#include <string>

#include "shell/music/mci_command.h"
#include "shell/music/mci_text.h"
#include "shell/settings/music_settings.h"

bool CD_Continue = false;

namespace {

constexpr unsigned kModeCapacity = 255;
char modeBuffer[kModeCapacity];

// One poll; false when the drive cannot be followed any more.
bool PollOnce() {
  const std::string current = MCI_Query("status cdaudio current track");
  if (ContainsErr(current)) return false;
  const std::string count = MCI_Query("status cdaudio number of tracks");
  if (ContainsErr(count)) return false;

  LastResult = SendForReply("status cdaudio mode", modeBuffer, kModeCapacity);
  const std::string mode = TextUpToNul(modeBuffer, kModeCapacity).substr(0, 7);
  const bool stopped = mode == "stopped";

  if (BGM_Track != 0) {
    const auto currentTrack = ParseNumber(current);
    if (!currentTrack) return false;
    if (stopped || *currentTrack != BGM_Track) {
      // Positions stay in the drive's own tmsf text: what it reports is what it is told to play.
      const std::string start = MCI_Query("status cdaudio position track " + std::to_string(BGM_Track));
      MCI_Play("cdaudio", start, "");
    }
  } else if (stopped) {
    MCI_Play("cdaudio", "", "");
  }
  return true;
}

}  // namespace

void CD_Open() noexcept {
  try {
    LastResult = SendWithoutReply("open cdaudio");
    LastResult = SendWithoutReply("set cdaudio time format tmsf");
  } catch (...) {
  }
}

void CD_Poll() noexcept {
  CD_Continue = true;
  try {
    CD_Continue = PollOnce();
  } catch (...) {
    CD_Continue = false;
  }
}

void CD_Close() noexcept {
  try {
    LastResult = SendWithoutReply("stop cdaudio");
    LastResult = SendWithoutReply("close cdaudio");
  } catch (...) {
  }
}
