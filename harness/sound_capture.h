#pragma once
// The bench records everything Wine plays into one growing file named by KORVANE_CAPTURE:
// 44100 Hz, 2 channels, signed 16-bit little-endian, paced in wall time (silence is zeros).
// A test notes where the capture stands when it starts and later reads what came after.
#include <windows.h>

#include <cstdint>
#include <vector>

constexpr int kCaptureRate = 44100;
constexpr int kCaptureBytesPerFrame = 4;
// Loudness is measured in blocks of 10 ms.
constexpr int kCaptureBlockFrames = kCaptureRate / 100;
constexpr double kCaptureBlockSeconds = 0.01;

class SoundCapture {
 public:
  SoundCapture();
  SoundCapture(const SoundCapture&) = delete;
  SoundCapture& operator=(const SoundCapture&) = delete;
  ~SoundCapture();

  // False outside the bench (no KORVANE_CAPTURE, or the file cannot be opened).
  bool available() const { return file_ != INVALID_HANDLE_VALUE; }
  // Frames recorded so far: the mark from which a test later reads.
  std::uint64_t FramesNow() const;
  // Waits (pumping messages) until `seconds` more have been recorded after `mark`.
  bool WaitForSeconds(std::uint64_t mark, double seconds, unsigned timeoutMs) const;
  // The loudest sample (either channel, absolute) of each 10 ms block recorded after `mark`.
  std::vector<int> BlockPeaksSince(std::uint64_t mark) const;

 private:
  HANDLE file_ = INVALID_HANDLE_VALUE;
};

// A stretch of sound, in seconds from the mark.
struct SoundRun {
  double start;
  double length;
};

// Blocks louder than `threshold` form runs; quiet gaps up to `mergeGapSeconds` join runs.
std::vector<SoundRun> FindSoundRuns(const std::vector<int>& blockPeaks, int threshold = 300,
                                    double mergeGapSeconds = 0.05);
// The middle value (the mean of the two middle ones for an even count); 0 for none. One
// stretch disturbed by a busy machine does not move it.
double Median(std::vector<double> values);
// How long the recording has been quiet at its end, in seconds.
double SilentTailSeconds(const std::vector<int>& blockPeaks, int threshold = 300);
