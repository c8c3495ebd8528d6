#pragma once
// Korvane_R: becomes a child of the Display Properties preview window and shows a still of
// the saver. Nothing moves, nothing is read, nothing plays.
#include <windows.h>

#include "toolkit/controls/image.h"
#include "toolkit/form.h"
#include "toolkit/gdi_object.h"

class PreviewForm final : public toolkit::Form {
 public:
  PreviewForm();

  // Loads the form into `parent` over its whole area and shows it. False, with nothing
  // shown, when the form could not be loaded or made the parent's child.
  bool PlaceInto(HWND parent);

 private:
  void OnLoad() override;
  // The picture fills the client area.
  void OnResize(int width, int height) override;
  bool OnUnload(toolkit::UnloadReason reason) override;

  // The order is important: the pictures outlive the images showing them.
  toolkit::GdiObject<HBITMAP> background_;
  toolkit::GdiObject<HBITMAP> lattice_;
  // The form's own picture, at its own size; Img_Prev lies over it.
  toolkit::controls::Image picture_;
  // Stretched over the whole form.
  toolkit::controls::Image Img_Prev;
};
