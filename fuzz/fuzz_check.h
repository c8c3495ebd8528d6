#pragma once
// A property every input must keep; a broken one stops the fuzz target like a crash, with the
// property named, so that libFuzzer saves the input.
#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                     \
  do {                                                                            \
    if (!(condition)) {                                                           \
      std::fprintf(stderr, "broken: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
      std::abort();                                                               \
    }                                                                             \
  } while (0)
