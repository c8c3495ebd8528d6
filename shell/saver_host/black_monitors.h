#pragma once
// The saver host's black windows over every monitor the renderer's window leaves showing the
// desktop (the renderer itself covers one monitor only). They never take the focus or the
// keyboard from the renderer, stay out of the taskbar and Alt+Tab, show no cursor, and go
// with the host's process whatever ends it.
#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "shell/saver_host/monitors_to_cover.h"
#include "toolkit/timer.h"

class BlackMonitors {
 public:
  BlackMonitors();
  ~BlackMonitors();
  BlackMonitors(const BlackMonitors&) = delete;
  BlackMonitors& operator=(const BlackMonitors&) = delete;

  // From now on, covers the other monitors whenever `findRenderer` finds the renderer's
  // window, following its rectangle and the monitor layout (a display-mode change moves
  // monitors). At every follow tick the covers go back above windows made topmost after them,
  // a cover that could not be made is tried again, and once the window has gone the covers go.
  void Follow(std::function<HWND()> findRenderer);
  // Uncovers every monitor and stops following.
  void Clear();

 private:
  class BlackWindow;

  void Refresh();
  void Cover(const std::vector<ScreenRect>& monitors, const ScreenRect& renderer);
  void Uncover();
  // Other windows made topmost after the covers (a second taskbar, a notification, an
  // always-on-top tool) would show over a "black" monitor for the rest of the run.
  void KeepAbove();

  std::function<HWND()> findRenderer_;
  toolkit::Timer followTimer_;
  // One tick soon after a display change: a cover's own procedure, which hears of it, must
  // not destroy covers, itself among them.
  toolkit::Timer displayChanged_;
  std::vector<std::unique_ptr<BlackWindow>> windows_;
  std::vector<ScreenRect> coveredMonitors_;
  ScreenRect coveredRenderer_;
};
