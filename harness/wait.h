#pragma once
// Bounded waits: pump this thread's messages until a condition holds or time runs out.
#include <functional>

bool WaitUntil(const std::function<bool()>& condition, unsigned timeoutMs);
// Pumps messages for the given time; for "nothing happens" checks only.
void PumpFor(unsigned ms);
