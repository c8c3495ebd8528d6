#include "shell/saver_host/renderer_watch.h"

bool RendererWatch::RendererGone(bool windowExists, bool processEnded, unsigned elapsedMs) {
  if (windowExists) {
    windowSeen_ = true;
    return false;
  }
  if (windowSeen_) return true;
  return processEnded || elapsedMs >= kStartLimitMs;
}
