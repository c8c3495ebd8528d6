#include "toolkit/controls/user_control.h"

#include "toolkit/dpi.h"

namespace toolkit::controls {

namespace {
const double kPictureTwipsPerPixel = TwipsPerPixel(kStandardDpi);
}  // namespace

UserControl::UserControl(const wchar_t* className)
    : className_(className),
      canvas_(GetSysColor(COLOR_BTNFACE)),
      twipsPerPixel_(ScreenTwipsPerPixel()) {
  canvas_.Resized = [this](int, int) { OnResize(); };
}

bool UserControl::CreateControlWindow(HWND parent, int left, int top, int width, int height) {
  // No CS_DBLCLKS: a quick second press arrives as a press, like the first.
  return Create(className_.c_str(), 0, 0, WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS,
                L"", left, top, width, height, parent);
}

double UserControl::ScaleWidth() const {
  RECT client{};
  if (hwnd()) GetClientRect(hwnd(), &client);
  return ToScale(client.right);
}

double UserControl::ScaleHeight() const {
  RECT client{};
  if (hwnd()) GetClientRect(hwnd(), &client);
  return ToScale(client.bottom);
}

BackStyle UserControl::GetBackStyle() const {
  return canvas_.ImageShown() ? BackStyle::Opaque : BackStyle::Transparent;
}

void UserControl::SetBackStyle(BackStyle style) {
  canvas_.SetImageShown(style == BackStyle::Opaque);
}

void UserControl::Cls() { canvas_.Clear(); }

bool UserControl::PaintPicture(HBITMAP picture, double left, double top, double width,
                               double height, double sourceLeft, double sourceTop,
                               double sourceWidth, double sourceHeight) {
  const RECT to = ToPixelRect(left, top, width, height);
  const RECT from = scaleMode_ == ScaleMode::Twips
                        ? TwipsToPixelRect(sourceLeft, sourceTop, sourceWidth, sourceHeight,
                                           kPictureTwipsPerPixel)
                        : ToPixelRect(sourceLeft, sourceTop, sourceWidth, sourceHeight);
  const int w = to.right - to.left, h = to.bottom - to.top;
  const int sw = from.right - from.left, sh = from.bottom - from.top;
  HDC image = canvas_.dc();
  // A negative size would mirror the piece; an empty one has nothing to show.
  if (!picture || !image || w <= 0 || h <= 0 || sw <= 0 || sh <= 0) return false;
  MemoryDc source(image);
  if (!source) return false;
  SelectedObject selected(source.get(), picture);
  // Whole source pixels only: no colours are blended or darkened when a piece shrinks.
  SetStretchBltMode(image, COLORONCOLOR);
  return StretchBlt(image, to.left, to.top, w, h, source.get(), from.left, from.top, sw, sh,
                    SRCCOPY) != FALSE;
}

void UserControl::Refresh() {
  if (hwnd()) RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void UserControl::PropertyChanged(const std::string& name) {
  if (propertyChanged_) propertyChanged_(name);
}

LRESULT UserControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETFOCUS: OnGotFocus(); return 0;
    case WM_KILLFOCUS: OnLostFocus(); return 0;
    case WM_MOUSEMOVE: OnMouseMove(MouseEventOf(0, wParam, lParam)); return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: ButtonDown(ButtonOfMessage(message), wParam, lParam); return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: ButtonUp(ButtonOfMessage(message), wParam, lParam); return 0;
    default: break;
  }
  LRESULT result = 0;
  if (canvas_.HandleMessage(hwnd(), message, wParam, lParam, result)) return result;
  return Window::HandleMessage(message, wParam, lParam);
}

void UserControl::ButtonDown(int button, WPARAM keys, LPARAM position) {
  // Like a platform button, a left press takes the keyboard focus before the press is seen.
  if (button == kLeftButton && GetFocus() != hwnd()) SetFocus(hwnd());
  if (!hwnd()) return;
  // The release comes back here even when the pointer has left the control by then.
  SetCapture(hwnd());
  OnMouseDown(MouseEventOf(button, keys, position));
}

void UserControl::ButtonUp(int button, WPARAM keys, LPARAM position) {
  ReleaseCaptureWhenNoButtonHeld(hwnd(), keys);
  // Last: the handler may close the form, and this control with it.
  OnMouseUp(MouseEventOf(button, keys, position));
}

double UserControl::ToScale(int pixels) const {
  return scaleMode_ == ScaleMode::Twips ? PixelsToTwips(pixels, twipsPerPixel_) : pixels;
}

RECT UserControl::ToPixelRect(double left, double top, double width, double height) const {
  return TwipsToPixelRect(left, top, width, height,
                          scaleMode_ == ScaleMode::Twips ? twipsPerPixel_ : 1.0);
}

}  // namespace toolkit::controls
