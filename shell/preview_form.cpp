#include "shell/preview_form.h"

#include "shell/child_window.h"
#include "shell/resources/preview_resources.h"
#include "toolkit/dpi.h"
#include "toolkit/picture.h"

namespace {

constexpr double kPictureTwips = 152 * 15;  // the pictures' own 152 x 112 pixels at 96 DPI
constexpr double kPictureHeightTwips = 112 * 15;

toolkit::FormDesign Design() {
  toolkit::FormDesign design;
  design.caption = L"Preview Window";
  design.style = WS_POPUP | WS_CLIPCHILDREN;
  design.background = RGB(0, 0, 0);
  design.clientWidth = kPictureTwips;
  design.clientHeight = kPictureHeightTwips;
  return design;
}

}  // namespace

PreviewForm::PreviewForm()
    : Form(Design()),
      background_(toolkit::LoadPicture(MAKEINTRESOURCEW(IDB_PREVIEW_BACKGROUND))),
      lattice_(toolkit::LoadPicture(MAKEINTRESOURCEW(IDB_PREVIEW_LATTICE))),
      picture_({0, 0, kPictureTwips, kPictureHeightTwips}),
      Img_Prev({0, 0, kPictureTwips, kPictureHeightTwips}, toolkit::controls::ImageFit::Stretch) {}

bool PreviewForm::PlaceInto(HWND parent) {
  RECT area{};
  int width = 0, height = 0;
  if (GetWindowRect(parent, &area)) {
    width = area.right - area.left;
    height = area.bottom - area.top;
  }
  if (!Load()) return false;
  HWND window = hwnd();
  if (!MakeChildOf(window, parent)) return false;
  MoveWindow(window, 0, 0, width, height, FALSE);
  Img_Prev.Move({0, 0, toolkit::PixelsToTwips(width), toolkit::PixelsToTwips(height)});
  Show();
  return true;
}

void PreviewForm::OnLoad() {
  picture_.SetPicture(background_.get());
  Img_Prev.SetPicture(lattice_.get());
  Add(picture_);
  Add(Img_Prev);
}

bool PreviewForm::OnUnload(toolkit::UnloadReason) {
  PostMessageA(hwnd(), WM_CLOSE, 0, 0);
  return true;
}
