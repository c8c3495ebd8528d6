#pragma once
// What a WAV file holds, read before it is handed to the looping player.
#include <string>

// True for a RIFF WAVE file whose data chunk holds no bytes (empty, or cut off before them).
// Looping such a file never waits on the device: the player spins and cannot be stopped.
// Anything else, including files that cannot be read, is left to the player to judge.
bool IsWaveWithoutSamples(const std::string& path);
