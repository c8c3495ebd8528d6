#include "harness/sound_capture.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "harness/wait.h"

SoundCapture::SoundCapture() {
  const char* unixPath = std::getenv("KORVANE_CAPTURE");
  if (!unixPath || !*unixPath) return;
  // The Unix root is drive Z: for Wine programs.
  std::string path = std::string("Z:") + unixPath;
  std::replace(path.begin(), path.end(), '/', '\\');
  file_ = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

SoundCapture::~SoundCapture() {
  if (available()) CloseHandle(file_);
}

std::uint64_t SoundCapture::FramesNow() const {
  LARGE_INTEGER size{};
  if (!available() || !GetFileSizeEx(file_, &size)) return 0;
  return static_cast<std::uint64_t>(size.QuadPart) / kCaptureBytesPerFrame;
}

bool SoundCapture::WaitForSeconds(std::uint64_t mark, double seconds, unsigned timeoutMs) const {
  const auto frames = static_cast<std::uint64_t>(seconds * kCaptureRate);
  return WaitUntil([&] { return FramesNow() >= mark + frames; }, timeoutMs);
}

std::vector<int> SoundCapture::BlockPeaksSince(std::uint64_t mark) const {
  std::vector<int> peaks;
  const std::uint64_t end = FramesNow();
  if (end <= mark) return peaks;
  const std::uint64_t blocks = (end - mark) / kCaptureBlockFrames;
  std::vector<std::int16_t> samples(static_cast<std::size_t>(kCaptureBlockFrames) * 2);
  LARGE_INTEGER offset;
  offset.QuadPart = static_cast<LONGLONG>(mark * kCaptureBytesPerFrame);
  SetFilePointerEx(file_, offset, nullptr, FILE_BEGIN);
  for (std::uint64_t b = 0; b < blocks; ++b) {
    DWORD read = 0;
    const DWORD want = static_cast<DWORD>(samples.size() * sizeof(std::int16_t));
    if (!ReadFile(file_, samples.data(), want, &read, nullptr) || read != want) break;
    int peak = 0;
    for (std::int16_t s : samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
    peaks.push_back(peak);
  }
  return peaks;
}

std::vector<SoundRun> FindSoundRuns(const std::vector<int>& blockPeaks, int threshold,
                                    double mergeGapSeconds) {
  const auto mergeGapBlocks = static_cast<std::size_t>(mergeGapSeconds / kCaptureBlockSeconds + 0.5);
  std::vector<SoundRun> runs;
  std::size_t runStart = 0, lastLoud = 0;
  bool inRun = false;
  for (std::size_t i = 0; i < blockPeaks.size(); ++i) {
    if (blockPeaks[i] <= threshold) continue;
    if (inRun && i - lastLoud - 1 <= mergeGapBlocks) {
      lastLoud = i;
      continue;
    }
    if (inRun) {
      runs.push_back({runStart * kCaptureBlockSeconds, (lastLoud + 1 - runStart) * kCaptureBlockSeconds});
    }
    inRun = true;
    runStart = lastLoud = i;
  }
  if (inRun) {
    runs.push_back({runStart * kCaptureBlockSeconds, (lastLoud + 1 - runStart) * kCaptureBlockSeconds});
  }
  return runs;
}

double SilentTailSeconds(const std::vector<int>& blockPeaks, int threshold) {
  std::size_t quiet = 0;
  for (auto it = blockPeaks.rbegin(); it != blockPeaks.rend() && *it <= threshold; ++it) ++quiet;
  return quiet * kCaptureBlockSeconds;
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}
