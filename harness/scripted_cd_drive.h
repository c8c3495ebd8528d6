#pragma once
// A cdaudio drive that answers from a script, put in place of the platform's command function
// for as long as it lives; it records every command as a recorder does.
#include <map>
#include <string>

#include "harness/mci_recorder.h"

class ScriptedCdDrive : public MciRecorder {
 public:
  ScriptedCdDrive();

  // The disc and where the drive stands.
  int trackCount = 10;
  int currentTrack = 1;
  std::string mode = "stopped";
  bool open = false;
  // Answers that replace the drive's own for one command text.
  std::map<std::string, Answer> script;

 private:
  Answer Respond(const std::string& command);
};

// Tmsf text of the start of a track, as the drive reports positions.
std::string TrackStart(int track);
