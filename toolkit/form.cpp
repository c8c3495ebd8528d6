#include "toolkit/form.h"

#include <utility>
#include <vector>

namespace toolkit {
namespace {

constexpr wchar_t kFormClass[] = L"ToolkitForm";
int g_loadedForms = 0;

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

// The window goes with the Window base, without raising any event.
Form::~Form() {
  if (loaded_) {
    loaded_ = false;
    --g_loadedForms;
  }
}

bool Form::Load() {
  if (loaded_) return true;
  const DWORD style = design_.style & ~WS_VISIBLE;
  int width = CW_USEDEFAULT;
  int height = CW_USEDEFAULT;
  if (design_.clientWidth > 0 && design_.clientHeight > 0) {
    RECT rect{0, 0, design_.clientWidth, design_.clientHeight};
    AdjustWindowRectEx(&rect, style, FALSE, design_.exStyle);
    width = rect.right - rect.left;
    height = rect.bottom - rect.top;
  }
  if (!Create(kFormClass, CS_DBLCLKS, design_.exStyle, style, design_.caption.c_str(),
              design_.left, design_.top, width, height, nullptr)) {
    return false;
  }
  if (design_.icon) {
    SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(design_.icon));
    SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(design_.icon));
  }
  loaded_ = true;
  ++g_loadedForms;
  OnLoad();
  return loaded_;
}

void Form::Show() {
  if (!Load()) return;
  ShowWindow(hwnd(), SW_SHOWNORMAL);
  UpdateWindow(hwnd());
}

void Form::ShowModal() {
  if (modal_ || !Load()) return;
  DisabledWindows disabled{hwnd(), &disabledByModal_};
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
  if (hwnd() && reason != UnloadReason::kWindowGone) DestroyWindow(hwnd());
  WakeMessageLoop();
  return true;
}

int Form::LoadedCount() { return g_loadedForms; }

Form* Form::FromWindow(HWND window) {
  for (HWND w = window; w; w = GetParent(w)) {
    if (auto* form = dynamic_cast<Form*>(Window::FromHandle(w))) return form;
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
  GetClientRect(hwnd(), &client);
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
      HDC dc = BeginPaint(hwnd(), &paint);
      OnPaint(dc, paint.rcPaint);
      EndPaint(hwnd(), &paint);
      return 0;
    }
    case WM_PRINTCLIENT: {
      RECT client;
      GetClientRect(hwnd(), &client);
      if (lParam & PRF_ERASEBKGND) PaintBackground(reinterpret_cast<HDC>(wParam));
      OnPaint(reinterpret_cast<HDC>(wParam), client);
      return 0;
    }
    default:
      return Window::HandleMessage(message, wParam, lParam);
  }
}

void Form::OnWindowGone() {
  if (loaded_) Unload(UnloadReason::kWindowGone);
}

}  // namespace toolkit
