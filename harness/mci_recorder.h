#pragma once
// Records every multimedia command string the player sends, with the buffer it came with,
// for as long as it lives: passed on to Wine's own devices, or answered by a stand-in (the
// scripted CD drive). One recorder at a time.
#include <windows.h>
#include <mmsystem.h>

#include <functional>
#include <string>
#include <vector>

#include "shell/music/mci_calls.h"
#include "harness/replaced_calls.h"

class MciRecorder {
 public:
  struct Answer {
    MCIERROR code;
    std::string reply;  // written as is (NULs included), up to the buffer's capacity
  };
  struct Sent {
    std::string command;
    bool withBuffer;
    unsigned capacity;
    MCIERROR code;
  };
  using StandIn = std::function<Answer(const std::string& command)>;

  // Without a stand-in every command goes on to the calls that were in place.
  explicit MciRecorder(StandIn standIn = {});
  MciRecorder(const MciRecorder&) = delete;
  MciRecorder& operator=(const MciRecorder&) = delete;
  ~MciRecorder();

  std::vector<std::string> Commands() const;

  std::vector<Sent> sent;
  // Told of every command as it arrives (a log that must outlive a process ended mid-tick).
  std::function<void(const std::string& command)> onCommand;

 private:
  static MCIERROR WINAPI Receive(LPCSTR command, LPSTR reply, UINT capacity, HWND callback);

  StandIn standIn_;
  ReplacedCalls<MciCalls, &ReplaceMciCalls> replaced_;
};
