#include "support/test_media.h"

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

void RemoveTree(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring child = folder + L"\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(child);
      } else {
        SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(child.c_str());
      }
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(folder.c_str());
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

bool WriteFileBytes(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  return ok && written == bytes.size();
}

std::string ReadFileBytes(const std::wstring& path) {
  std::string bytes;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return bytes;
  char chunk[65536];
  DWORD read = 0;
  while (ReadFile(file, chunk, sizeof chunk, &read, nullptr) && read > 0) bytes.append(chunk, read);
  CloseHandle(file);
  return bytes;
}

TempFolder::TempFolder() {
  wchar_t base[MAX_PATH];
  GetTempPathW(MAX_PATH, base);
  std::wostringstream name;
  name << base << L"korvane-test-" << GetCurrentProcessId() << L"-" << GetTickCount64();
  path_ = name.str();
  CreateDirectoryW(path_.c_str(), nullptr);
}

TempFolder::~TempFolder() { RemoveTree(path_); }

std::string AnsiPath(const std::wstring& path) {
  const int length = WideCharToMultiByte(CP_ACP, 0, path.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string ansi(static_cast<std::size_t>(length > 0 ? length : 1), '\0');
  WideCharToMultiByte(CP_ACP, 0, path.c_str(), -1, ansi.data(), length, nullptr, nullptr);
  return ansi.c_str();
}
