// Korvane.scr: the screen-saver shell.
#include <windows.h>

#include "shell/main.h"
#include "toolkit/form.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  Main();
  // The process lives exactly as long as a form that start-up loaded stays loaded.
  toolkit::RunMessageLoop();
  return 0;
}
