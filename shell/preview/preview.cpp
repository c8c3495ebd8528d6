#include "shell/preview/preview.h"

#include "shell/preview/preview_form.h"
#include "shell/startup/startup_state.h"
#include "toolkit/program.h"

void ShowPreview() {
  // A preview window that is not (or no longer) there would leave a process with nothing to
  // show and nothing that ever ends it.
  if (!ParentWindow || !IsWindow(ParentWindow)) toolkit::EndProcess();
  // Lives as long as the process; its window goes with the preview window, which ends the
  // program's message loop.
  static PreviewForm form;
  // A parent it cannot become a child of (the desktop, one that refuses) would leave a
  // full-screen still that nothing ends.
  if (!form.PlaceInto(ParentWindow)) toolkit::EndProcess();
}
