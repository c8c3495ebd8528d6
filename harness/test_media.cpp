#include "harness/test_media.h"

#include <windows.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <sstream>

namespace {

void Put16(std::string& out, std::uint16_t v) {
  out += static_cast<char>(v & 0xff);
  out += static_cast<char>(v >> 8);
}

void Put32(std::string& out, std::uint32_t v) {
  Put16(out, static_cast<std::uint16_t>(v & 0xffff));
  Put16(out, static_cast<std::uint16_t>(v >> 16));
}

}  // namespace

std::string ToneWaveBytes(const std::vector<ToneSegment>& segments, double amplitude) {
  constexpr int kRate = 44100;
  constexpr double kPi = 3.14159265358979323846;
  std::string samples;
  for (const ToneSegment& segment : segments) {
    const auto frames = static_cast<long>(segment.seconds * kRate);
    for (long i = 0; i < frames; ++i) {
      const double value = segment.frequency == 0
                               ? 0
                               : amplitude * std::sin(2 * kPi * segment.frequency * i / kRate);
      const auto sample = static_cast<std::int16_t>(std::lround(value * 32767));
      Put16(samples, static_cast<std::uint16_t>(sample));
      Put16(samples, static_cast<std::uint16_t>(sample));
    }
  }
  std::string wave = "RIFF";
  Put32(wave, static_cast<std::uint32_t>(36 + samples.size()));
  wave += "WAVEfmt ";
  Put32(wave, 16);
  Put16(wave, 1);  // PCM
  Put16(wave, 2);
  Put32(wave, kRate);
  Put32(wave, kRate * 4);
  Put16(wave, 4);
  Put16(wave, 16);
  wave += "data";
  Put32(wave, static_cast<std::uint32_t>(samples.size()));
  return wave + samples;
}

std::string AnsiPath(const std::wstring& path) {
  const int length = WideCharToMultiByte(CP_ACP, 0, path.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string ansi(static_cast<std::size_t>(length > 0 ? length : 1), '\0');
  WideCharToMultiByte(CP_ACP, 0, path.c_str(), -1, ansi.data(), length, nullptr, nullptr);
  return ansi.c_str();
}
