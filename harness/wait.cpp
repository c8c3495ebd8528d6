#include "harness/wait.h"

#include <windows.h>

namespace {

void PumpOnce() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, unsigned timeoutMs, unsigned checkEveryMs) {
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  ULONGLONG nextCheck = 0;
  for (;;) {
    PumpOnce();
    const ULONGLONG now = GetTickCount64();
    if (now >= nextCheck || now >= end) {
      if (condition()) return true;
      nextCheck = now + checkEveryMs;
    }
    if (now >= end) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

void PumpFor(unsigned ms) {
  WaitUntil([] { return false; }, ms);
}
