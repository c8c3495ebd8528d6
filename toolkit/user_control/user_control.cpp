#include "user_control.h"

#include <windowsx.h>

#include <algorithm>
#include <cmath>

#include "mouse_event.h"
#include "ole_colour.h"
#include "system_colour.h"
#include "windowless_label.h"

namespace toolkit::user_control {

namespace {

constexpr std::int32_t kButtonFaceColour = kSystemColourFlag | COLOR_BTNFACE;

void RegisterControlClass(const char* className, WNDPROC procedure) {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  // No CS_DBLCLKS: a quick second press arrives as a press, like the first.
  windowClass.style = 0;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.lpszClassName = className;
  RegisterClassExA(&windowClass);  // fails harmlessly once the class exists
}

int ScreenDotsPerInch() {
  ScreenDc screen;
  return screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSX) : 0;
}

int ShiftState(WPARAM keys) {
  int shift = 0;
  if (keys & MK_SHIFT) shift |= kShiftKey;
  if (keys & MK_CONTROL) shift |= kControlKey;
  if (GetKeyState(VK_MENU) < 0) shift |= kAltKey;
  return shift;
}

int ButtonsHeld(WPARAM keys) {
  int buttons = 0;
  if (keys & MK_LBUTTON) buttons |= kLeftButton;
  if (keys & MK_RBUTTON) buttons |= kRightButton;
  if (keys & MK_MBUTTON) buttons |= kMiddleButton;
  return buttons;
}

}  // namespace

UserControl::UserControl(const char* className)
    : className_(className),
      twipsPerPixel_(toolkit::user_control::TwipsPerPixel(ScreenDotsPerInch())),
      backColor_(kButtonFaceColour) {}

UserControl::~UserControl() {
  // The order is important: the window forgets this object before it goes, so no message
  // reaches a half-destroyed control.
  HWND window = window_;
  Detach();
  if (window) DestroyWindow(window);
}

bool UserControl::CreateControlWindow(HWND parent, int left, int top, int width, int height) {
  if (window_) return false;
  RegisterControlClass(className_.c_str(), WindowProc);
  HWND window = CreateWindowExA(0, className_.c_str(), "",
                                WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, left, top,
                                width, height, parent, nullptr, GetModuleHandleA(nullptr), this);
  return window != nullptr;
}

double UserControl::ScaleWidth() const {
  RECT client{};
  if (window_) GetClientRect(window_, &client);
  return ToScale(client.right);
}

double UserControl::ScaleHeight() const {
  RECT client{};
  if (window_) GetClientRect(window_, &client);
  return ToScale(client.bottom);
}

void UserControl::SetBackStyle(BackStyle style) {
  backStyle_ = style;
  InvalidateSurface();
}

void UserControl::Cls() { image_.Clear(ResolveOleColour(backColor_)); }

bool UserControl::PaintPicture(HBITMAP picture, double left, double top, double width,
                               double height, double sourceLeft, double sourceTop,
                               double sourceWidth, double sourceHeight) {
  const int x = ToPixels(left), y = ToPixels(top);
  const int w = ToPixels(width), h = ToPixels(height);
  const int sx = ToPixels(sourceLeft), sy = ToPixels(sourceTop);
  const int sw = ToPixels(sourceWidth), sh = ToPixels(sourceHeight);
  // A negative size would mirror the piece; an empty one has nothing to show.
  if (!picture || !image_.dc() || w <= 0 || h <= 0 || sw <= 0 || sh <= 0) return false;
  MemoryDc source(image_.dc());
  if (!source) return false;
  SelectedObject selected(source.get(), picture);
  // Whole source pixels only: no colours are blended or darkened when a piece shrinks.
  SetStretchBltMode(image_.dc(), COLORONCOLOR);
  return StretchBlt(image_.dc(), x, y, w, h, source.get(), sx, sy, sw, sh, SRCCOPY) != FALSE;
}

void UserControl::Refresh() {
  if (window_) RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void UserControl::PaintContent(HDC dc) {
  if (backStyle_ == BackStyle::Opaque) {
    image_.CopyTo(dc);
  } else {
    PaintParentBackground(dc);
  }
  for (const WindowlessLabel* label : labels_) label->Draw(dc, twipsPerPixel_);
}

void UserControl::PropertyChanged(const std::string& name) {
  if (propertyChanged_) propertyChanged_(name);
}

void UserControl::AddLabel(WindowlessLabel& label) {
  labels_.push_back(&label);
  InvalidateSurface();
}

void UserControl::RemoveLabel(WindowlessLabel& label) {
  labels_.erase(std::remove(labels_.begin(), labels_.end(), &label), labels_.end());
  InvalidateSurface();
}

void UserControl::InvalidateSurface() {
  // Schedule WM_PAINT at the window's leisure; Refresh paints at once.
  if (window_) InvalidateRect(window_, nullptr, FALSE);
}

LRESULT CALLBACK UserControl::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    auto* control = static_cast<UserControl*>(create->lpCreateParams);
    control->window_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
  }
  auto* control = reinterpret_cast<UserControl*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!control) return DefWindowProcA(window, message, wParam, lParam);
  return control->HandleMessage(message, wParam, lParam);
}

LRESULT UserControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND window = window_;
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      if (dc) PaintContent(dc);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_PRINTCLIENT: PaintContent(reinterpret_cast<HDC>(wParam)); return 0;
    case WM_ERASEBKGND: return 1;  // the paint handler covers every pixel
    case WM_SIZE: Resized(LOWORD(lParam), HIWORD(lParam)); return 0;
    case WM_SETFOCUS: OnGotFocus(); return 0;
    case WM_KILLFOCUS: OnLostFocus(); return 0;
    case WM_TIMER: OnTimer(wParam); return 0;
    case WM_MOUSEMOVE:
      OnMouseMove(ButtonsHeld(wParam), ShiftState(wParam), ToScale(GET_X_LPARAM(lParam)),
                  ToScale(GET_Y_LPARAM(lParam)));
      return 0;
    case WM_LBUTTONDOWN: ButtonDown(kLeftButton, wParam, lParam); return 0;
    case WM_RBUTTONDOWN: ButtonDown(kRightButton, wParam, lParam); return 0;
    case WM_MBUTTONDOWN: ButtonDown(kMiddleButton, wParam, lParam); return 0;
    case WM_LBUTTONUP: ButtonUp(kLeftButton, wParam, lParam); return 0;
    case WM_RBUTTONUP: ButtonUp(kRightButton, wParam, lParam); return 0;
    case WM_MBUTTONUP: ButtonUp(kMiddleButton, wParam, lParam); return 0;
    case WM_CREATE: OnWindowCreated(); return 0;
    case WM_NCDESTROY:
      OnWindowDestroyed();
      Detach();
      return DefWindowProcA(window, message, wParam, lParam);
    default: return DefWindowProcA(window, message, wParam, lParam);
  }
}

void UserControl::ButtonDown(int button, WPARAM keys, LPARAM position) {
  // Like a platform button, a left press takes the keyboard focus before the press is seen.
  if (button == kLeftButton && GetFocus() != window_) SetFocus(window_);
  if (!window_) return;
  // The release comes back here even when the pointer has left the control by then.
  SetCapture(window_);
  OnMouseDown(button, ShiftState(keys), ToScale(GET_X_LPARAM(position)),
              ToScale(GET_Y_LPARAM(position)));
}

void UserControl::ButtonUp(int button, WPARAM keys, LPARAM position) {
  if ((keys & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0 && GetCapture() == window_) {
    ReleaseCapture();
  }
  // Last: the handler may close the form, and this control with it.
  OnMouseUp(button, ShiftState(keys), ToScale(GET_X_LPARAM(position)),
            ToScale(GET_Y_LPARAM(position)));
}

void UserControl::Resized(int width, int height) {
  image_.Resize(width, height);
  if (width == sizedWidth_ && height == sizedHeight_) return;
  sizedWidth_ = width;
  sizedHeight_ = height;
  OnResize();
}

void UserControl::PaintParentBackground(HDC dc) {
  HWND parent = window_ ? GetParent(window_) : nullptr;
  if (!parent) return;
  POINT origin{0, 0};
  MapWindowPoints(window_, parent, &origin, 1);
  POINT previous{};
  OffsetWindowOrgEx(dc, origin.x, origin.y, &previous);
  SendMessageA(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  SendMessageA(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  SetWindowOrgEx(dc, previous.x, previous.y, nullptr);
}

void UserControl::Detach() {
  if (!window_) return;
  SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
  window_ = nullptr;
}

double UserControl::ToScale(int pixels) const {
  return scaleMode_ == ScaleMode::Twips ? PixelsToTwips(pixels, twipsPerPixel_) : pixels;
}

int UserControl::ToPixels(double units) const {
  return scaleMode_ == ScaleMode::Twips ? TwipsToPixels(units, twipsPerPixel_)
                                        : static_cast<int>(std::lround(units));
}

}  // namespace toolkit::user_control
