#pragma once
// A cdaudio drive that answers from a script, put in place of the platform's command function
// for as long as it lives. It records every command with the buffer it came with.
#include <windows.h>
#include <mmsystem.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

class ScriptedCdDrive {
 public:
  struct Sent {
    std::string command;
    bool withBuffer;
    unsigned capacity;
  };
  struct Answer {
    MCIERROR code;
    std::string reply;  // written as is (NULs included), up to the buffer's capacity
  };

  ScriptedCdDrive();
  ScriptedCdDrive(const ScriptedCdDrive&) = delete;
  ScriptedCdDrive& operator=(const ScriptedCdDrive&) = delete;
  ~ScriptedCdDrive();

  std::vector<std::string> Commands() const;

  // The disc and where the drive stands.
  int trackCount = 10;
  int currentTrack = 1;
  std::string mode = "stopped";
  bool open = false;
  // Answers that replace the drive's own for one command text.
  std::map<std::string, Answer> script;
  std::vector<Sent> sent;
  // Told of every command as it arrives (a log that must outlive a process ended mid-tick).
  std::function<void(const std::string& command)> onCommand;

 private:
  static MCIERROR WINAPI Receive(LPCSTR command, LPSTR reply, UINT capacity, HWND callback);
  Answer Respond(const std::string& command);
};

// Tmsf text of the start of a track, as the drive reports positions.
std::string TrackStart(int track);
