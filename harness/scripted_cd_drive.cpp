#include "harness/scripted_cd_drive.h"

#include <cstdio>
#include <cstdlib>

namespace {

const char kStatusPosition[] = "status cdaudio position track ";
const char kPlayFrom[] = "play cdaudio from ";

}  // namespace

std::string TrackStart(int track) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d:00:00:00", track);
  return text;
}

ScriptedCdDrive::ScriptedCdDrive()
    : MciRecorder([this](const std::string& command) { return Respond(command); }) {}

ScriptedCdDrive::Answer ScriptedCdDrive::Respond(const std::string& command) {
  if (auto scripted = script.find(command); scripted != script.end()) return scripted->second;
  if (command == "open cdaudio") {
    open = true;
    return {0, ""};
  }
  if (!open) return {MCIERR_INVALID_DEVICE_NAME, ""};
  if (command == "set cdaudio time format tmsf") return {0, ""};
  if (command == "status cdaudio current track") return {0, std::to_string(currentTrack)};
  if (command == "status cdaudio number of tracks") return {0, std::to_string(trackCount)};
  if (command == "status cdaudio mode") return {0, mode};
  if (command.rfind(kStatusPosition, 0) == 0) {
    const int track = std::atoi(command.c_str() + sizeof kStatusPosition - 1);
    if (track < 1 || track > trackCount) return {MCIERR_OUTOFRANGE, ""};
    return {0, TrackStart(track)};
  }
  if (command == "play cdaudio") {
    mode = "playing";
    return {0, ""};
  }
  if (command.rfind(kPlayFrom, 0) == 0) {
    const std::string from = command.substr(sizeof kPlayFrom - 1);
    for (int track = 1; track <= trackCount; ++track) {
      if (from == TrackStart(track)) {
        currentTrack = track;
        mode = "playing";
        return {0, ""};
      }
    }
    return {MCIERR_OUTOFRANGE, ""};
  }
  if (command == "stop cdaudio") {
    mode = "stopped";
    return {0, ""};
  }
  if (command == "close cdaudio") {
    open = false;
    return {0, ""};
  }
  return {MCIERR_UNRECOGNIZED_COMMAND, ""};
}
