#pragma once
// Sound files made by the tests themselves, in a folder that goes away with the test.
#include <string>
#include <vector>

// A piece of a test sound: a sine tone of `frequency` Hz, or silence when it is 0.
struct ToneSegment {
  double seconds;
  double frequency;
};

// The bytes of a 44100 Hz, 2-channel, 16-bit PCM WAV file holding the segments in order.
std::string ToneWaveBytes(const std::vector<ToneSegment>& segments, double amplitude = 0.5);

bool WriteFileBytes(const std::wstring& path, const std::string& bytes);
std::string ReadFileBytes(const std::wstring& path);

// A fresh folder under the temporary folder, removed with everything in it.
class TempFolder {
 public:
  TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder();
  const std::wstring& path() const { return path_; }
  std::wstring File(const std::wstring& name) const { return path_ + L"\\" + name; }

 private:
  std::wstring path_;
};

// A wide path as the shell passes it to Win32's A functions (the ANSI code page).
std::string AnsiPath(const std::wstring& path);
