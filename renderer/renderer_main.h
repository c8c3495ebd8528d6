#pragma once
#include <windows.h>

// The whole renderer run, start-up to teardown; always 0, the process exit code.
int RunRenderer(HINSTANCE instance);
