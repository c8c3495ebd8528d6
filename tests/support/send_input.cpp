#include "tests/support/send_input.h"

#include <vector>

void SendKeys(std::initializer_list<std::pair<WORD, bool>> keys) {
  std::vector<INPUT> inputs;
  for (auto [key, down] : keys) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    inputs.push_back(input);
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

UINT SendMouseButtons(std::initializer_list<DWORD> events, const POINT* at) {
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  std::vector<INPUT> inputs;
  for (DWORD event : events) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = event | (at ? MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE : 0);
    if (at) {  // absolute positions are in 1/65536 of the screen, rounded up to land on the pixel
      input.mi.dx = (at->x * 65536 + width - 1) / width;
      input.mi.dy = (at->y * 65536 + height - 1) / height;
    }
    inputs.push_back(input);
  }
  return SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}
