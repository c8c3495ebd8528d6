// Stands in for Korvane.dll where a test needs a renderer file that starts and ends at once
// without a window: the saver host must then end promptly too.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return 0; }
