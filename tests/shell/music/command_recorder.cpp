#include "tests/shell/music/command_recorder.h"

#include "shell/music/mci_command.h"

namespace {
CommandRecorder* current = nullptr;
}  // namespace

CommandRecorder::CommandRecorder() {
  current = this;
  MciSendString = &CommandRecorder::Forward;
}

CommandRecorder::~CommandRecorder() {
  MciSendString = mciSendStringA;
  current = nullptr;
}

std::vector<std::string> CommandRecorder::Commands() const {
  std::vector<std::string> commands;
  for (const Sent& s : sent) commands.push_back(s.command);
  return commands;
}

MCIERROR WINAPI CommandRecorder::Forward(LPCSTR command, LPSTR reply, UINT capacity, HWND callback) {
  const MCIERROR code = mciSendStringA(command, reply, capacity, callback);
  current->sent.push_back({command, capacity, code});
  return code;
}
