#include "renderer/renderer_main.h"

#include <GL/gl.h>

#include "renderer/gl_window.h"
#include "renderer/main_loop.h"
#include "renderer/renderer_globals.h"
#include "renderer/scene.h"

namespace {

void Pump(void*) { PumpMessages(); }
void Frame(void*, double totalMs, double deltaMs) { SceneFrame(totalMs, deltaMs); }

}  // namespace

int RunRenderer(HINSTANCE instance) {
  g_instance = instance;
  if (!CreateGLWindow()) return 0;
  SceneInit();
  LARGE_INTEGER frequency{};
  QueryPerformanceFrequency(&frequency);
  const FrameClockSource clock = ChooseFrameClock(frequency.QuadPart);
  glClearColor(0.0f, 0.0f, 0.0f, 0.0f);  // the only clear colour of the run
  RunMainLoop(clock, running, MainLoopHooks{Pump, Frame, nullptr});
  SceneShutdown();
  DestroyGLWindow();
  return 0;
}
