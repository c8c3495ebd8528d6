#include "toolkit/window.h"

#include <algorithm>
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
  if (IsDefaultActionMessage(message)) return RunDefaultAction(*this, wParam);
  if (message >= WM_MOUSEMOVE && message <= WM_MBUTTONDBLCLK) return HandleMouse(message, wParam, lParam);
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // the paint covers every pixel
    case WM_PAINT: {
      PAINTSTRUCT paint;
      if (HDC dc = BeginPaint(window_, &paint)) PaintContent(dc);
      EndPaint(window_, &paint);
      return 0;
    }
    case WM_PRINTCLIENT:
      PaintContent(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_SIZE:
      // A window not yet sized, or minimised, has nothing to draw.
      if (LOWORD(lParam) == 0 || HIWORD(lParam) == 0) return 0;
      if (image_) image_.Resize(LOWORD(lParam), HIWORD(lParam), background_);
      OnResize(LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_SETCURSOR:
      if (ShowPointer(wParam, lParam)) return TRUE;
      break;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != window_) controls_.ForgetPress();
      break;
    case WM_GETOBJECT:
      if (static_cast<LONG>(lParam) == OBJID_CLIENT) return AnswerGetObject(wParam);
      break;
    default:
      return HandleKeyboard(message, wParam, lParam);
  }
  return DefaultHandling(message, wParam, lParam);
}

LRESULT Window::HandleKeyboard(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    // The system tells screen readers of a window taking the focus (EVENT_OBJECT_FOCUS); a
    // second notice from here would have them say it twice.
    case WM_SETFOCUS: OnGotFocus(); break;
    case WM_KILLFOCUS: OnLostFocus(); break;
    case WM_GETDLGCODE: return DialogCode(reinterpret_cast<const MSG*>(lParam));
    case WM_KEYDOWN:
      if (OnKeyDown(static_cast<UINT>(wParam), (lParam & (1 << 30)) != 0)) return 0;
      break;
    case WM_CHANGEUISTATE: case WM_UPDATEUISTATE: case WM_QUERYUISTATE:
      return uiState_.Handle(window_, message, wParam, [this] { Refresh(); });
    default:
      break;
  }
  return DefaultHandling(message, wParam, lParam);
}

LRESULT Window::HandleMouse(UINT message, WPARAM keys, LPARAM position) {
  if (message == WM_MOUSEMOVE) {
    OnMouseMove(MouseEventOf(0, keys, position));
  } else if (IsButtonUp(message)) {
    Release(message, keys, position);
  } else {
    Press(message, keys, position);
  }
  return 0;
}

void Window::Refresh() {
  // Child windows too: a transparent one shows this window's picture.
  if (window_) RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

HDC Window::ImageDc() {
  RECT client{};
  if (!image_ && window_ && GetClientRect(window_, &client)) image_.Resize(client.right, client.bottom, background_);
  return image_.dc();
}

void Window::ClearImage() {
  ImageDc();
  image_.Fill(background_);
}

void Window::SetOpaque(bool opaque) {
  opaque_ = opaque;
  Refresh();
}

void Window::PaintContent(HDC dc) {
  RECT client{};
  GetClientRect(window_, &client);
  if (!opaque_) {
    PaintParentBackground(dc);
  } else if (image_) {
    image_.CopyTo(dc);
  } else {
    FillArea(dc, client, background_);
  }
  controls_.Paint(dc);
  if (GetFocus() == window_ && uiState_.FocusCuesShown()) PaintFocusCue(dc);
}

std::wstring WindowText(HWND window) {
  if (!window) return {};
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(std::max(0, GetWindowTextW(window, text.data(), static_cast<int>(text.size())))));
  return text;
}

Accessibility Window::Describe() const { return {.name = WindowText(window_), .role = ROLE_SYSTEM_CLIENT}; }

void Window::Announce(DWORD event) const {
  if (window_) NotifyWinEvent(event, window_, OBJID_CLIENT, CHILDID_SELF);
}

LRESULT Window::AnswerGetObject(WPARAM wParam) {
  if (!accessible_) accessible_ = new AccessibleWindow(*this);
  return LresultFromObject(IID_IAccessible, wParam, accessible_);
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
