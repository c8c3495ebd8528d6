#pragma once
// A WAV file looped by the system's sound player until it is stopped.

// Starts BGM_File looping when a wave output device exists; silent when it cannot be played.
void WAV_Play() noexcept;
// Stops whatever the sound player is playing.
void WAV_Stop() noexcept;
