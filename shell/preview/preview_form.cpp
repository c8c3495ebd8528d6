#include "shell/preview/preview_form.h"

#include "shell/resources/preview_resources.h"
#include "toolkit/child_window.h"

namespace {

toolkit::FormDesign Design() {
  toolkit::FormDesign design;
  design.caption = L"Preview Window";
  design.style = WS_POPUP | WS_CLIPCHILDREN;
  design.background = RGB(0, 0, 0);
  design.clientWidth = 152;
  design.clientHeight = 112;
  return design;
}

HBITMAP LoadPicture(int id) {
  return static_cast<HBITMAP>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, 0));
}

}  // namespace

PreviewForm::PreviewForm()
    : Form(Design()),
      background_(LoadPicture(IDB_PREVIEW_BACKGROUND)),
      lattice_(LoadPicture(IDB_PREVIEW_LATTICE)) {}

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
    const toolkit::SameDpiAwarenessAs parentAwareness(parent);
    if (!Load()) return false;
  }
  HWND window = hwnd();
  if (!toolkit::MakeChildOf(window, parent)) return false;
  MoveWindow(window, 0, 0, width, height, FALSE);
  Img_Prev.Place(0, 0, width, height);
  // A parent that died meanwhile took the form's window with it; showing would load the form
  // again as a second, top-level preview that nothing ends.
  if (!loaded() || !IsWindow(parent)) return false;
  Show();
  return true;
}

void PreviewForm::OnLoad() { Img_Prev.Create(hwnd(), lattice_.get()); }

// The form's own picture, at natural size; Img_Prev lies over it.
void PreviewForm::OnPaint(HDC dc, const RECT&) {
  BITMAP size{};
  GetObjectW(background_.get(), sizeof size, &size);
  DrawPicture(dc, background_.get(), 0, 0, size.bmWidth, size.bmHeight);
}

bool PreviewForm::OnUnload(toolkit::UnloadReason) {
  PostMessageA(hwnd(), WM_CLOSE, 0, 0);
  return true;
}
