#pragma once
// The code page a test program runs under. Under Wine a program's ANSI code page follows the
// LANG of the Unix process that starts it, and its child processes keep it (an environment
// block handed to CreateProcess does not change it). So ctest starts a test program a second
// time with LANG=C.UTF-8 (code page 1252) and names the code page it expects in
// KORVANE_EXPECT_ACP.
unsigned ExpectedCodePage();  // 932 when KORVANE_EXPECT_ACP is not set
