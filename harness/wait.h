#pragma once
// Bounded waits: pump this thread's messages until a condition holds or time runs out.
#include <functional>

// A condition that costs time to evaluate (reading a recording, say) asks to be looked at
// only every `checkEveryMs`; messages are still pumped as they come.
bool WaitUntil(const std::function<bool()>& condition, unsigned timeoutMs, unsigned checkEveryMs = 10);
// Pumps messages for the given time; for "nothing happens" checks only.
void PumpFor(unsigned ms);
