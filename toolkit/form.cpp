#include "toolkit/form.h"

#include <utility>
#include <vector>

namespace toolkit {
namespace {

constexpr wchar_t kFormClass[] = L"ToolkitForm";
int g_loadedForms = 0;

HINSTANCE ThisModule() { return GetModuleHandleW(nullptr); }

bool RegisterFormClass(WNDPROC procedure) {
  static const bool registered = [procedure] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = ThisModule();
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.lpszClassName = kFormClass;
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }();
  return registered;
}

// A blocked GetMessage must notice that the form it waits for has gone, even when the unload
// ran inside it (a message sent from another thread or process).
void WakeMessageLoop() { PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0); }

struct DisabledWindows {
  HWND keep;
  std::vector<HWND>* windows;
};

BOOL CALLBACK DisableOther(HWND window, LPARAM state) {
  auto* disabled = reinterpret_cast<DisabledWindows*>(state);
  if (window != disabled->keep && IsWindowEnabled(window)) {
    EnableWindow(window, FALSE);
    disabled->windows->push_back(window);
  }
  return TRUE;
}

}  // namespace

Form::Form(FormDesign design) : design_(std::move(design)) {
  if (design_.background) background_.Reset(CreateSolidBrush(*design_.background));
}

Form::~Form() {
  if (window_) {
    HWND window = window_;
    Detach();
    DestroyWindow(window);
  }
  if (loaded_) {
    loaded_ = false;
    --g_loadedForms;
  }
}

void Form::Detach() {
  SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
  window_ = nullptr;
}

bool Form::Load() {
  if (loaded_) return true;
  if (!RegisterFormClass(&Form::WindowProc)) return false;
  const DWORD style = design_.style & ~WS_VISIBLE;
  int width = CW_USEDEFAULT;
  int height = CW_USEDEFAULT;
  if (design_.clientWidth > 0 && design_.clientHeight > 0) {
    RECT rect{0, 0, design_.clientWidth, design_.clientHeight};
    AdjustWindowRectEx(&rect, style, FALSE, design_.exStyle);
    width = rect.right - rect.left;
    height = rect.bottom - rect.top;
  }
  HWND window = CreateWindowExW(design_.exStyle, kFormClass, design_.caption.c_str(), style,
                                design_.left, design_.top, width, height, nullptr, nullptr,
                                ThisModule(), this);
  if (!window) return false;
  if (design_.icon) {
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(design_.icon));
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(design_.icon));
  }
  loaded_ = true;
  ++g_loadedForms;
  OnLoad();
  return loaded_;
}

void Form::Show() {
  if (!Load()) return;
  ShowWindow(window_, SW_SHOWNORMAL);
  UpdateWindow(window_);
}

void Form::Hide() {
  if (window_) ShowWindow(window_, SW_HIDE);
}

void Form::ShowModal() {
  if (modal_ || !Load()) return;
  DisabledWindows disabled{window_, &disabledByModal_};
  EnumThreadWindows(GetCurrentThreadId(), DisableOther, reinterpret_cast<LPARAM>(&disabled));
  modal_ = true;
  Show();
  MSG message;
  bool quit = false;
  int quitCode = 0;
  while (loaded_) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
      quit = got == 0;
      quitCode = static_cast<int>(message.wParam);
      break;
    }
    if (PreTranslateForForm(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  modal_ = false;
  EnableOtherWindows();
  if (quit) PostQuitMessage(quitCode);
}

void Form::EnableOtherWindows() {
  for (HWND window : disabledByModal_) {
    if (IsWindow(window)) EnableWindow(window, TRUE);
  }
  disabledByModal_.clear();
}

void Form::SetCaption(std::wstring caption) {
  design_.caption = std::move(caption);
  if (window_) SetWindowTextW(window_, design_.caption.c_str());
}

bool Form::Unload(UnloadReason reason) {
  if (!loaded_) return true;
  if (unloading_) return false;
  unloading_ = true;
  bool agreed = OnQueryUnload(reason);
  // A refusal skips OnUnload, unless the window is gone anyway.
  if (agreed || reason == UnloadReason::kWindowGone) agreed = OnUnload(reason) && agreed;
  unloading_ = false;
  if (!agreed && reason != UnloadReason::kWindowGone) return false;
  if (!loaded_) return true;  // an event handler unloaded it already
  loaded_ = false;
  --g_loadedForms;
  // The order is important: the form counts as unloaded before its window goes, so the
  // window's destruction does not raise the events a second time; and the windows a modal
  // form disabled come back first, so that activation returns to them and not elsewhere.
  EnableOtherWindows();
  if (window_ && reason != UnloadReason::kWindowGone) DestroyWindow(window_);
  WakeMessageLoop();
  return true;
}

int Form::LoadedCount() { return g_loadedForms; }

Form* Form::FromWindow(HWND window) {
  for (HWND w = window; w; w = GetParent(w)) {
    wchar_t className[32] = {};
    GetClassNameW(w, className, 32);
    if (lstrcmpW(className, kFormClass) == 0) {
      return reinterpret_cast<Form*>(GetWindowLongPtrW(w, GWLP_USERDATA));
    }
    if (!(GetWindowLongW(w, GWL_STYLE) & WS_CHILD)) break;
  }
  return nullptr;
}

bool PreTranslateForForm(MSG& message) {
  if (!message.hwnd) return false;
  Form* form = Form::FromWindow(message.hwnd);
  return form && form->PreTranslateMessage(message);
}

void Form::PaintBackground(HDC dc) {
  RECT client;
  GetClientRect(window_, &client);
  FillRect(dc, &client, background_ ? background_.get() : GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      Unload(UnloadReason::kUserClose);
      return 0;
    case WM_ERASEBKGND:
      PaintBackground(reinterpret_cast<HDC>(wParam));
      return 1;
    case WM_SIZE:
      OnResize(LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window_, &paint);
      OnPaint(dc, paint.rcPaint);
      EndPaint(window_, &paint);
      return 0;
    }
    case WM_PRINTCLIENT: {
      RECT client;
      GetClientRect(window_, &client);
      if (lParam & PRF_ERASEBKGND) PaintBackground(reinterpret_cast<HDC>(wParam));
      OnPaint(reinterpret_cast<HDC>(wParam), client);
      return 0;
    }
    default:
      return DefWindowProcW(window_, message, wParam, lParam);
  }
}

LRESULT CALLBACK Form::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    auto* form = static_cast<Form*>(create->lpCreateParams);
    form->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!form) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    // Destroyed from outside while loaded: the form unloads with it, without a say.
    if (form->loaded_) form->Unload(UnloadReason::kWindowGone);
    form->Detach();
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return form->HandleMessage(message, wParam, lParam);
}

}  // namespace toolkit
