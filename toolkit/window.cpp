#include "toolkit/window.h"

#include <windowsx.h>

#include <utility>

#include "toolkit/accessible_window.h"
#include "toolkit/screen_pointer.h"
#include "toolkit/ui_state.h"

namespace toolkit {
namespace {

bool Register(const wchar_t* className, UINT classStyle, WNDPROC procedure) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = classStyle;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.lpszClassName = className;
  // Made once; the windows after the first find it there.
  return RegisterClassExW(&windowClass) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

void Fill(HDC dc, const RECT& area, COLORREF colour) {
  if (area.right <= area.left || area.bottom <= area.top) return;
  Brush brush(CreateSolidBrush(ScreenColour(colour)));
  FillRect(dc, &area, brush.get());
}

// `button` 0 takes the buttons held instead.
MouseEvent MouseEventOf(int button, WPARAM keys, LPARAM position) {
  MouseEvent event{button, 0, GET_X_LPARAM(position), GET_Y_LPARAM(position)};
  if (!button) {
    event.button = ((keys & MK_LBUTTON) ? kLeftButton : 0) | ((keys & MK_RBUTTON) ? kRightButton : 0) |
                   ((keys & MK_MBUTTON) ? kMiddleButton : 0);
  }
  event.shift = ((keys & MK_SHIFT) ? kShift : 0) | ((keys & MK_CONTROL) ? kControl : 0) |
                (GetKeyState(VK_MENU) < 0 ? kAlt : 0);
  return event;
}

// The button messages come in threes (down, up, double-click) for the left, right and middle
// buttons in turn, as the buttons' bits do.
int ButtonOf(UINT message) { return 1 << ((message - WM_LBUTTONDOWN) / 3); }
bool IsDoubleClick(UINT message) { return (message - WM_LBUTTONDOWN) % 3 == 2; }

}  // namespace

Window::~Window() {
  HWND window = window_;
  Detach();
  if (window) DestroyWindow(window);
}

Window* Window::FromHandle(HWND window) {
  // Only a window whose procedure is ours holds our object in its user data.
  if (!window || GetWindowLongPtrW(window, GWLP_WNDPROC) !=
                     reinterpret_cast<LONG_PTR>(&Window::Procedure)) {
    return nullptr;
  }
  return reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

bool Window::Create(const WindowArgs& args) {
  if (window_) return false;
  if (!args.platformClass && !Register(args.className, args.classStyle, &Window::Procedure)) {
    return false;
  }
  HWND made = CreateWindowExW(args.exStyle, args.className, args.title, args.style, args.left,
                              args.top, args.width, args.height, args.parent, nullptr,
                              GetModuleHandleW(nullptr), args.platformClass ? nullptr : this);
  if (made && args.platformClass) {
    // Bound after the platform made it; the platform class's procedure still does the work.
    window_ = made;
    SetWindowLongPtrW(made, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    platformProcedure_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(made, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Window::Procedure)));
  }
  return window_ != nullptr;
}

LRESULT Window::DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
  return platformProcedure_ ? CallWindowProcW(platformProcedure_, window_, message, wParam, lParam)
                            : DefWindowProcW(window_, message, wParam, lParam);
}

void Window::Detach() {
  if (window_) SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
  window_ = nullptr;
  if (accessible_) {
    accessible_->Disconnect();
    std::exchange(accessible_, nullptr)->Release();
  }
}

LRESULT CALLBACK Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    const WNDPROC platform = self->platformProcedure_;
    self->OnWindowGone();
    self->Detach();
    return platform ? CallWindowProcW(platform, window, message, wParam, lParam)
                    : DefWindowProcW(window, message, wParam, lParam);
  }
  return self->HandleMessage(message, wParam, lParam);
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == DefaultActionMessage()) return RunDefaultAction(*this, wParam);
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // the paint covers every pixel
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window_, &paint);
      if (dc) PaintContent(dc);
      EndPaint(window_, &paint);
      return 0;
    }
    case WM_PRINTCLIENT:
      PaintContent(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_SIZE:
      // A window not yet sized, or minimised, has nothing to draw.
      if (LOWORD(lParam) == 0 || HIWORD(lParam) == 0) return 0;
      if (image_) ResizeImage(LOWORD(lParam), HIWORD(lParam));
      OnResize(LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_SETCURSOR:
      if (ShowPointer(wParam, lParam)) return TRUE;
      break;
    case WM_MOUSEMOVE:
      OnMouseMove(MouseEventOf(0, wParam, lParam));
      return 0;
    case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK: case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK: case WM_MBUTTONDOWN: case WM_MBUTTONDBLCLK:
      Press(message, wParam, lParam);
      return 0;
    case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_MBUTTONUP:
      Release(message, wParam, lParam);
      return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != window_) controls_.ForgetPress();
      break;
    case WM_SETFOCUS:
      // The system tells screen readers of a window taking the focus (EVENT_OBJECT_FOCUS);
      // a second notice from here would have them say it twice.
      OnGotFocus();
      break;
    case WM_KILLFOCUS:
      OnLostFocus();
      break;
    case WM_GETDLGCODE:
      return DialogCode(reinterpret_cast<const MSG*>(lParam));
    case WM_KEYDOWN:
      if (OnKeyDown(static_cast<UINT>(wParam), (lParam & (1 << 30)) != 0)) return 0;
      break;
    case WM_CHANGEUISTATE: case WM_UPDATEUISTATE: case WM_QUERYUISTATE:
      return HandleUiState(message, wParam);
    case WM_GETOBJECT:
      if (static_cast<LONG>(lParam) == OBJID_CLIENT) return AnswerGetObject(wParam);
      break;
    default:
      break;
  }
  return DefaultHandling(message, wParam, lParam);
}

void Window::Refresh() {
  // Child windows too: a transparent one shows this window's picture.
  if (window_) RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

HDC Window::ImageDc() {
  RECT client{};
  if (!image_ && window_ && GetClientRect(window_, &client)) ResizeImage(client.right, client.bottom);
  return image_.get();
}

void Window::ClearImage() {
  if (HDC dc = ImageDc()) Fill(dc, RECT{0, 0, imageSize_.cx, imageSize_.cy}, background_);
}

void Window::SetOpaque(bool opaque) {
  opaque_ = opaque;
  Refresh();
}

void Window::ResizeImage(int width, int height) {
  // A minimised window keeps the image it will show again.
  if (width <= 0 || height <= 0 || (width == imageSize_.cx && height == imageSize_.cy)) return;
  MemoryDc resized(CreateCompatibleDC(nullptr));
  GdiObject<HBITMAP> bitmap = CreateTrueColourBitmap(width, height);
  if (!resized || !bitmap) return;  // the old image stays as it was
  SelectedObject selection(resized.get(), bitmap.get());
  // What fits of the old image is kept, the rest is the background.
  Fill(resized.get(), RECT{0, 0, width, height}, background_);
  if (image_) BitBlt(resized.get(), 0, 0, imageSize_.cx, imageSize_.cy, image_.get(), 0, 0, SRCCOPY);
  selection_ = SelectedObject();
  bitmap_ = std::move(bitmap);
  image_ = std::move(resized);
  selection_ = std::move(selection);
  imageSize_ = SIZE{width, height};
}

void Window::PaintContent(HDC dc) {
  RECT client{};
  GetClientRect(window_, &client);
  if (!opaque_) {
    PaintParentBackground(dc);
  } else if (image_) {
    BitBlt(dc, 0, 0, imageSize_.cx, imageSize_.cy, image_.get(), 0, 0, SRCCOPY);
  } else {
    Fill(dc, client, background_);
  }
  controls_.Paint(dc);
  if (GetFocus() == window_ && FocusCuesShown()) PaintFocusCue(dc);
}

Accessibility Window::Describe() const {
  Accessibility about;
  about.role = ROLE_SYSTEM_CLIENT;
  const int length = window_ ? GetWindowTextLengthW(window_) : 0;
  about.name.resize(static_cast<std::size_t>(length) + 1);
  about.name.resize(static_cast<std::size_t>(window_ ? GetWindowTextW(window_, about.name.data(), length + 1) : 0));
  return about;
}

void Window::Announce(DWORD event) const {
  if (window_) NotifyWinEvent(event, window_, OBJID_CLIENT, CHILDID_SELF);
}

LRESULT Window::AnswerGetObject(WPARAM wParam) {
  if (!accessible_) accessible_ = new AccessibleWindow(*this);
  return LresultFromObject(IID_IAccessible, wParam, accessible_);
}

// Windows' own handling, kept here whatever the system does with these messages: a child
// asks its parent, the top-level window changes itself and passes the change down.
LRESULT Window::HandleUiState(UINT message, WPARAM change) {
  if (message == WM_QUERYUISTATE) return uiState_;
  if (message == WM_CHANGEUISTATE) {
    HWND parent = GetAncestor(window_, GA_PARENT);
    if (parent && parent != GetDesktopWindow()) {
      SendMessageW(parent, WM_CHANGEUISTATE, change, 0);
    } else if (UiStateAfter(uiState_, change) != uiState_) {
      SendMessageW(window_, WM_UPDATEUISTATE, change, 0);
    }
    return 0;
  }
  const WORD state = UiStateAfter(uiState_, change);
  const bool changed = state != uiState_;
  uiState_ = state;
  for (HWND child = GetWindow(window_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    SendMessageW(child, WM_UPDATEUISTATE, change, 0);
  }
  if (changed) Refresh();
  return 0;
}

void Window::PaintParentBackground(HDC dc) const {
  HWND parent = GetParent(window_);
  if (!parent) return;
  POINT origin{0, 0};
  MapWindowPoints(window_, parent, &origin, 1);
  POINT previous{};
  OffsetWindowOrgEx(dc, origin.x, origin.y, &previous);
  SendMessageW(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  SendMessageW(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  SetWindowOrgEx(dc, previous.x, previous.y, nullptr);
}

void Window::Press(UINT message, WPARAM keys, LPARAM position) {
  const int button = ButtonOf(message);
  // Like a platform button, a tab stop takes the keyboard focus before the press is seen.
  if (button == kLeftButton && (GetWindowLongW(window_, GWL_STYLE) & WS_TABSTOP) && GetFocus() != window_) {
    SetFocus(window_);
  }
  if (!window_) return;
  // The release comes back here even when the pointer has left the window by then.
  SetCapture(window_);
  const MouseEvent event = MouseEventOf(button, keys, position);
  if (!controls_.Press(event, IsDoubleClick(message))) OnMouseDown(event);
}

void Window::Release(UINT message, WPARAM keys, LPARAM position) {
  const int button = ButtonOf(message);
  // Taken before the capture goes: its going forgets the press.
  WindowlessControl* pressed = controls_.EndPress(button);
  // While another button is held, its release must still come here.
  if ((keys & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0 && GetCapture() == window_) ReleaseCapture();
  const MouseEvent event = MouseEventOf(button, keys, position);
  // Last, both: the handler may close the window, and this object with it.
  if (!pressed) return OnMouseUp(event);
  controls_.ClickIfOver(*pressed, POINT{event.x, event.y});
}

bool Window::ShowPointer(WPARAM wParam, LPARAM lParam) const {
  // Asked first for every child window too, so a busy pointer covers the whole window.
  if (HCURSOR busy = ScreenPointerOverride()) {
    SetCursor(busy);
    return true;
  }
  if (reinterpret_cast<HWND>(wParam) != window_ || LOWORD(lParam) != HTCLIENT) return false;
  POINT point{};
  if (!GetCursorPos(&point) || !ScreenToClient(window_, &point)) return false;
  const HCURSOR control = controls_.PointerAt(point);
  SetCursor(control ? control : pointer_);
  return true;
}

}  // namespace toolkit
