// Korvane.scr: the screen-saver shell.
#include <windows.h>
#include <objbase.h>

#include "shell/main.h"
#include "toolkit/form.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // One apartment for the one thread: screen readers reach the dialog's controls through COM,
  // and the file chooser expects it too.
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  Main();
  // The process lives exactly as long as a form that start-up loaded stays loaded.
  toolkit::RunMessageLoop();
  return 0;
}
