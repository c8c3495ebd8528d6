#pragma once
// Wine waits up to two seconds for a window manager to confirm that a closed window has gone;
// the bench has none, so every closed window of a started program would cost that. Register
// this environment to leave one program's windows unmanaged for a test program's run (what
// they show and do is unchanged; Wine draws their caption and border itself).
#include <gtest/gtest.h>

#include <string>

class UnmanagedWindows : public ::testing::Environment {
 public:
  explicit UnmanagedWindows(std::wstring programFileName) : program_(std::move(programFileName)) {}
  void SetUp() override;
  void TearDown() override;

 private:
  std::wstring program_;
};
