#pragma once
// Decides, tick by tick, when the saver host should take the renderer as gone.
//
// The renderer opens its window only after switching the display mode, so an early tick can
// find no window while the renderer is still starting. The host therefore waits for the window
// to appear before it takes its absence as the end; a renderer that ends (or never started)
// without ever showing a window, or shows none for too long, ends the wait as well.

class RendererWatch {
 public:
  // How long a started renderer may take to show its window.
  static constexpr unsigned kStartLimitMs = 60000;

  // One tick: whether the window exists now, whether the renderer process has ended (or could
  // not be started), and the time since the host started it. True: the host should unload.
  bool RendererGone(bool windowExists, bool processEnded, unsigned elapsedMs);

  bool WindowSeen() const { return windowSeen_; }

 private:
  bool windowSeen_ = false;
};
