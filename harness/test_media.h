#pragma once
// Sound files made by the tests themselves, in a folder that goes away with the test.
#include <string>
#include <vector>

#include "harness/files.h"

// A piece of a test sound: a sine tone of `frequency` Hz, or silence when it is 0.
struct ToneSegment {
  double seconds;
  double frequency;
};

// The bytes of a 44100 Hz, 2-channel, 16-bit PCM WAV file holding the segments in order.
std::string ToneWaveBytes(const std::vector<ToneSegment>& segments, double amplitude = 0.5);

// A wide path as the shell passes it to Win32's A functions (the ANSI code page).
std::string AnsiPath(const std::wstring& path);
