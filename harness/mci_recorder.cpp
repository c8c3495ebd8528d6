#include "harness/mci_recorder.h"

#include <cstring>
#include <utility>

namespace {
MciRecorder* current = nullptr;
}  // namespace

MciRecorder::MciRecorder(StandIn standIn)
    : standIn_(std::move(standIn)), replaced_(MciCalls{&MciRecorder::Receive}) {
  current = this;
}

MciRecorder::~MciRecorder() { current = nullptr; }

std::vector<std::string> MciRecorder::Commands() const {
  std::vector<std::string> commands;
  for (const Sent& s : sent) commands.push_back(s.command);
  return commands;
}

MCIERROR WINAPI MciRecorder::Receive(LPCSTR command, LPSTR reply, UINT capacity, HWND callback) {
  MciRecorder& recorder = *current;
  if (recorder.onCommand) recorder.onCommand(command);
  MCIERROR code = 0;
  if (recorder.standIn_) {
    const Answer answer = recorder.standIn_(command);
    if (reply && capacity > 0 && !answer.reply.empty()) {
      const std::size_t n = answer.reply.size() < capacity ? answer.reply.size() : capacity;
      std::memcpy(reply, answer.reply.data(), n);
      if (n < capacity) reply[n] = '\0';
    }
    code = answer.code;
  } else {
    code = recorder.replaced_.previous().sendString(command, reply, capacity, callback);
  }
  recorder.sent.push_back({command, reply != nullptr, capacity, code});
  return code;
}
