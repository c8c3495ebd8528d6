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
  // monitors).
  void Follow(std::function<HWND()> findRenderer);
  // Uncovers every monitor and stops following.
  void Clear();

 private:
  class BlackWindow;

  void Refresh();
  void Cover(const std::vector<ScreenRect>& monitors, const ScreenRect& renderer);

  std::function<HWND()> findRenderer_;
  toolkit::Timer followTimer_;
  std::vector<std::unique_ptr<BlackWindow>> windows_;
  std::vector<ScreenRect> coveredMonitors_;
  ScreenRect coveredRenderer_;
};
