#pragma once
// Records every command string on its way to the platform's own command function, which
// still does the work; put in place for as long as the recorder lives.
#include <windows.h>
#include <mmsystem.h>

#include <string>
#include <vector>

class CommandRecorder {
 public:
  struct Sent {
    std::string command;
    unsigned capacity;
    MCIERROR code;
  };

  CommandRecorder();
  CommandRecorder(const CommandRecorder&) = delete;
  CommandRecorder& operator=(const CommandRecorder&) = delete;
  ~CommandRecorder();

  std::vector<std::string> Commands() const;
  std::vector<Sent> sent;

 private:
  static MCIERROR WINAPI Forward(LPCSTR command, LPSTR reply, UINT capacity, HWND callback);
};
