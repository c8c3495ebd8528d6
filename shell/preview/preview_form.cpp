#include "shell/preview/preview_form.h"

#include "shell/preview/child_window.h"
#include "shell/resources/preview_resources.h"
#include "toolkit/dpi.h"
#include "toolkit/picture.h"

namespace {

// The pictures' own 152 x 112 pixels.
constexpr toolkit::TwipsBox kPictureBox{0, 0, 152 * toolkit::kTwipsPerPicturePixel,
                                        112 * toolkit::kTwipsPerPicturePixel};

toolkit::FormDesign Design() {
  toolkit::FormDesign design;
  design.caption = L"Preview Window";
  design.style = WS_POPUP | WS_CLIPCHILDREN;
  design.background = RGB(0, 0, 0);
  design.clientWidth = kPictureBox.width;
  design.clientHeight = kPictureBox.height;
  return design;
}

}  // namespace

PreviewForm::PreviewForm()
    : Form(Design()),
      background_(toolkit::LoadPicture(MAKEINTRESOURCEW(IDB_PREVIEW_BACKGROUND))),
      lattice_(toolkit::LoadPicture(MAKEINTRESOURCEW(IDB_PREVIEW_LATTICE))) {}

bool PreviewForm::PlaceInto(HWND parent) {
  // Made, measured and moved in the parent's DPI awareness: the window it hands to /p may be
  // DPI-unaware or per-monitor aware while this program is system aware, and sizes read in
  // one awareness are another number of pixels in the other.
  const SameDpiAwarenessAs parentAwareness(parent);
  RECT area{};
  GetClientRect(parent, &area);  // a parent that is not a window leaves it empty
  if (!Load()) return false;
  HWND window = hwnd();
  if (!MakeChildOf(window, parent)) return false;
  MoveWindow(window, 0, 0, area.right, area.bottom, FALSE);
  // A parent that died meanwhile took the form's window with it; showing would load the form
  // again as a second, top-level preview that nothing ends.
  if (!hwnd() || !IsWindow(parent)) return false;
  Show();
  return true;
}

void PreviewForm::OnResize(int width, int height) {
  // In the window's own coordinates, whatever awareness it was made in.
  Img_Prev.Move({0, 0, toolkit::PixelsToTwips(width), toolkit::PixelsToTwips(height)});
}

void PreviewForm::OnLoad() {
  picture_.Create(*this, {.bounds = kPictureBox, .picture = background_.get()});
  Img_Prev.Create(*this, {.bounds = kPictureBox, .picture = lattice_.get(),
                          .fit = toolkit::controls::ImageFit::Stretch});
}

bool PreviewForm::OnUnload(toolkit::UnloadReason) {
  PostMessageA(hwnd(), WM_CLOSE, 0, 0);
  return true;
}
