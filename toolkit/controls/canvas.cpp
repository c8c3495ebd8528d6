#include "toolkit/controls/canvas.h"

#include <windowsx.h>

#include <algorithm>
#include <utility>

#include "toolkit/controls/screen_pointer.h"
#include "toolkit/gdi_object.h"

namespace toolkit::controls {
namespace {

void Fill(HDC dc, const RECT& area, COLORREF colour) {
  if (area.right <= area.left || area.bottom <= area.top) return;
  Brush brush(CreateSolidBrush(colour));
  FillRect(dc, &area, brush.get());
}

}  // namespace

Canvas::Canvas(COLORREF background) : background_(background) {}

Canvas::~Canvas() {
  for (WindowlessControl* control : controls_) control->canvas_ = nullptr;
}

void Canvas::Add(WindowlessControl& control) {
  if (control.canvas_) control.canvas_->Remove(control);
  controls_.push_back(&control);
  control.canvas_ = this;
  Invalidate(control.Bounds());
}

void Canvas::Remove(WindowlessControl& control) {
  controls_.erase(std::remove(controls_.begin(), controls_.end(), &control), controls_.end());
  if (leftPressed_ == &control) leftPressed_ = nullptr;
  control.canvas_ = nullptr;
  Invalidate(control.Bounds());
}

void Canvas::Refresh() {
  // Schedule WM_PAINT at the window's leisure.
  if (window_) InvalidateRect(window_, nullptr, FALSE);
}

void Canvas::Invalidate(const RECT& area) {
  if (window_) InvalidateRect(window_, &area, FALSE);
}

void Canvas::Clear() { Fill(dc_.get(), RECT{0, 0, width_, height_}, background_); }

void Canvas::SetImageShown(bool shown) {
  imageShown_ = shown;
  Refresh();
}

void Canvas::PaintParentBackground(HDC dc) const {
  HWND parent = window_ ? GetParent(window_) : nullptr;
  if (!parent) return;
  POINT origin{0, 0};
  MapWindowPoints(window_, parent, &origin, 1);
  POINT previous{};
  OffsetWindowOrgEx(dc, origin.x, origin.y, &previous);
  SendMessageW(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  SendMessageW(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  SetWindowOrgEx(dc, previous.x, previous.y, nullptr);
}

void Canvas::PaintContent(HDC dc) const {
  if (!imageShown_) {
    PaintParentBackground(dc);
  } else if (dc_) {
    BitBlt(dc, 0, 0, width_, height_, dc_.get(), 0, 0, SRCCOPY);
  } else if (window_) {
    RECT client{};
    GetClientRect(window_, &client);
    Fill(dc, client, background_);
  }
  for (const WindowlessControl* control : controls_) {
    control->Paint(dc);
  }
}

WindowlessControl* Canvas::ControlAt(POINT point) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    WindowlessControl* control = *it;
    if (control->Enabled() && PtInRect(&control->Bounds(), point)) {
      return control;
    }
  }
  return nullptr;
}

void Canvas::Resize(int width, int height) {
  const int oldWidth = width_;
  const int oldHeight = height_;
  // A minimised window keeps the image it will show again.
  if (width <= 0 || height <= 0 || (width == oldWidth && height == oldHeight)) return;
  MemoryDc resized(nullptr);
  GdiObject<HBITMAP> bitmap = CreateTrueColourBitmap(width, height);
  if (!resized || !bitmap) return;  // the old image stays as it was
  SelectedObject selection(resized.get(), bitmap.get());
  if (dc_) BitBlt(resized.get(), 0, 0, oldWidth, oldHeight, dc_.get(), 0, 0, SRCCOPY);
  selection_ = SelectedObject();
  bitmap_ = std::move(bitmap);
  dc_ = std::move(resized);
  selection_ = std::move(selection);
  width_ = width;
  height_ = height;
  Fill(dc_.get(), RECT{oldWidth, 0, width, height}, background_);
  Fill(dc_.get(), RECT{0, oldHeight, std::min(oldWidth, width), height}, background_);
  if (Resized) Resized(width, height);
  Refresh();
}

void Canvas::ButtonDown(int button, WPARAM keys, LPARAM position) {
  MouseEvent event = MouseEventOf(button, keys, position);
  WindowlessControl* control = ControlAt(POINT{event.x, event.y});
  if (button == kLeftButton) leftPressed_ = control;
  if (!control) return;
  // The release comes back here even when the pointer has left the window by then.
  SetCapture(window_);
  if (control->MouseDown) {
    event.x -= control->Bounds().left;
    event.y -= control->Bounds().top;
    // A copy: the handler may replace itself or remove the control.
    auto handler = control->MouseDown;
    handler(event);
  }
}

void Canvas::ButtonUp(int button, WPARAM keys, LPARAM position) {
  WindowlessControl* pressed = button == kLeftButton ? leftPressed_ : nullptr;
  if (button == kLeftButton) leftPressed_ = nullptr;
  // After taking the press: giving the capture back forgets it.
  ReleaseCaptureWhenNoButtonHeld(window_, keys);
  if (button != kLeftButton) return;
  const POINT point{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
  if (!pressed || ControlAt(point) != pressed || !pressed->Click) return;
  // Last, and from a copy: the handler may close the window and this canvas with it.
  auto handler = pressed->Click;
  handler();
}

bool Canvas::SetPointer(WPARAM wParam, LPARAM lParam) {
  // Asked first for every child window too, so a busy pointer covers the whole window.
  if (HCURSOR busy = ScreenPointerOverride()) {
    SetCursor(busy);
    return true;
  }
  if (reinterpret_cast<HWND>(wParam) != window_ || LOWORD(lParam) != HTCLIENT) return false;
  POINT point{};
  if (!GetCursorPos(&point) || !ScreenToClient(window_, &point)) return false;
  WindowlessControl* control = ControlAt(point);
  if (!control || !control->Pointer()) return false;
  SetCursor(control->Pointer());
  return true;
}

bool Canvas::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                           LRESULT& result) {
  if (message != WM_DESTROY) window_ = window;
  result = 0;
  switch (message) {
    case WM_ERASEBKGND:
      result = 1;  // the paint covers every pixel
      return true;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      if (dc) PaintContent(dc);
      EndPaint(window, &paint);
      return true;
    }
    case WM_PRINTCLIENT:
      PaintContent(reinterpret_cast<HDC>(wParam));
      return true;
    case WM_SIZE:
      Resize(LOWORD(lParam), HIWORD(lParam));
      return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      if (IsButtonDown(message)) {
        ButtonDown(ButtonOfMessage(message), wParam, lParam);
      } else {
        ButtonUp(ButtonOfMessage(message), wParam, lParam);
      }
      return true;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != window) leftPressed_ = nullptr;
      return false;
    case WM_DESTROY:
      window_ = nullptr;  // controls removed later must not reach a window that is gone
      leftPressed_ = nullptr;
      return false;
    case WM_SETCURSOR:
      if (!SetPointer(wParam, lParam)) return false;
      result = TRUE;
      return true;
    default:
      return false;
  }
}

}  // namespace toolkit::controls
