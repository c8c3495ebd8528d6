#pragma once
// Korvane_R: becomes a child of the Display Properties preview window and shows a still of
// the saver. Nothing moves, nothing is read, nothing plays.
#include <windows.h>

#include "shell/preview/preview_image.h"
#include "toolkit/form.h"
#include "toolkit/gdi_object.h"

class PreviewForm final : public toolkit::Form {
 public:
  PreviewForm();

  // Loads the form into `parent` over its whole area and shows it. False, with nothing
  // shown, when the form could not be loaded or made the parent's child.
  bool PlaceInto(HWND parent);

  PreviewImage Img_Prev;

 private:
  void OnLoad() override;
  void OnPaint(HDC dc, const RECT& dirty) override;
  bool OnUnload(toolkit::UnloadReason reason) override;

  toolkit::GdiObject<HBITMAP> background_;
  toolkit::GdiObject<HBITMAP> lattice_;
};
