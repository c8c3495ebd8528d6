// Korvane.dll: a GUI program under a library's name. It reads no arguments.
#include "renderer/renderer_main.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) { return RunRenderer(instance); }
