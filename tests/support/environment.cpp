#include "tests/support/environment.h"

#include <cstdlib>

unsigned ExpectedCodePage() {
  const char* value = std::getenv("KORVANE_EXPECT_ACP");
  return value && *value ? static_cast<unsigned>(std::strtoul(value, nullptr, 10)) : 932u;
}
