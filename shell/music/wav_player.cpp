#include "shell/music/wav_player.h"

#include <windows.h>
#include <mmsystem.h>

#include <cstdint>

#include "shell/music/wave_file.h"
#include "shell/settings/music_settings.h"

void WAV_Play() noexcept {
  try {
    if (static_cast<std::int32_t>(waveOutGetNumDevs()) <= 0) return;
    if (IsWaveWithoutSamples(BGM_File)) return;
    // Without SND_NODEFAULT a file that cannot be played loops the system's default sound.
    LastResult = PlaySoundA(BGM_File.c_str(), nullptr, SND_ASYNC | SND_LOOP | SND_NODEFAULT);
  } catch (...) {
  }
}

void WAV_Stop() noexcept {
  LastResult = PlaySoundA(nullptr, nullptr, 0);
}
