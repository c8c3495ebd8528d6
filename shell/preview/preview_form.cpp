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
  RECT area{};
  int width = 0, height = 0;
  if (GetWindowRect(parent, &area)) {
    width = area.right - area.left;
    height = area.bottom - area.top;
  }
  {
    // Made with the parent's DPI awareness, or Windows may refuse the parent: the window it
    // hands to /p can be per-monitor aware while this program is system aware.
    const SameDpiAwarenessAs parentAwareness(parent);
    if (!Load()) return false;
  }
  HWND window = hwnd();
  if (!MakeChildOf(window, parent)) return false;
  MoveWindow(window, 0, 0, width, height, FALSE);
  Img_Prev.Move({0, 0, toolkit::PixelsToTwips(width), toolkit::PixelsToTwips(height)});
  // A parent that died meanwhile took the form's window with it; showing would load the form
  // again as a second, top-level preview that nothing ends.
  if (!hwnd() || !IsWindow(parent)) return false;
  Show();
  return true;
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
