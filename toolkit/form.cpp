#include "toolkit/form.h"

#include <functional>
#include <utility>
#include <vector>

#include "toolkit/dpi.h"
#include "toolkit/ui_state.h"

namespace toolkit {
namespace {

constexpr wchar_t kFormClass[] = L"ToolkitForm";
int g_loadedForms = 0;

}  // namespace

Form::Form(FormDesign design) : design_(std::move(design)) { SetBackground(design_.background); }

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
    RECT rect{0, 0, TwipsToPixels(design_.clientWidth), TwipsToPixels(design_.clientHeight)};
    AdjustWindowRectEx(&rect, style, FALSE, 0);
    width = rect.right - rect.left;
    height = rect.bottom - rect.top;
  }
  if (!Create({.className = kFormClass, .classStyle = CS_DBLCLKS, .style = style,
               .title = design_.caption.c_str(), .left = CW_USEDEFAULT, .top = CW_USEDEFAULT,
               .width = width, .height = height})) {
    return false;
  }
  if (design_.icon) {
    SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(design_.icon));
    SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(design_.icon));
  }
  loaded_ = true;
  ++g_loadedForms;
  OnLoad();
  // Decided once the controls are there: it passes down to every one of them.
  if (loaded_ && design_.dialogKeys) SendMessageW(hwnd(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_INITIALIZE, 0), 0);
  return loaded_;
}

void Form::Show() {
  if (!Load()) return;
  ShowWindow(hwnd(), SW_SHOWNORMAL);
  UpdateWindow(hwnd());
}

void Form::ShowModal() {
  if (modal_ || !Load()) return;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM self) -> BOOL {
        auto* form = reinterpret_cast<Form*>(self);
        if (window != form->hwnd() && IsWindowEnabled(window)) {
          EnableWindow(window, FALSE);
          form->disabledByModal_.push_back(window);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(this));
  modal_ = true;
  Show();
  int quitCode = 0;
  const bool quit = !RunMessagesWhile([this] { return loaded_; }, quitCode);
  modal_ = false;
  EnableOtherWindows();
  if (quit) PostQuitMessage(quitCode);
}

bool Form::RunMessagesWhile(const std::function<bool()>& running, int& quitCode) {
  MSG message;
  while (running()) {
    if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
      quitCode = static_cast<int>(message.wParam);
      return false;
    }
    Form* form = message.hwnd ? FromWindow(message.hwnd) : nullptr;
    if (form && form->design_.dialogKeys) {
      // The keys that move the focus show the focus cues, whatever the system's dialog
      // manager does about it.
      if (const WPARAM change = UiStateChangeForKey(message.message, message.wParam)) {
        SendMessageW(form->hwnd(), WM_CHANGEUISTATE, change, 0);
      }
      if (IsDialogMessageW(form->hwnd(), &message)) continue;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return true;
}

void RunMessageLoop() {
  int quitCode = 0;
  Form::RunMessagesWhile([] { return Form::LoadedCount() > 0; }, quitCode);
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
  // A blocked GetMessage must notice that the form it waits for has gone, even when the
  // unload ran inside it (a message sent from another thread or process).
  PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
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

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const bool keys = design_.dialogKeys;
  switch (message) {
    case WM_CLOSE:
      Unload(UnloadReason::kUserClose);
      return 0;
    case WM_COMMAND:  // the dialog keys come as the commands of a dialog's buttons
      if (keys && LOWORD(wParam) == IDCANCEL) Unload(UnloadReason::kUserClose);
      if (keys && LOWORD(wParam) == IDOK) OnEnterKey();
      if (keys && (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK)) return 0;
      break;
    case WM_ACTIVATE:
      if (keys && LOWORD(wParam) == WA_INACTIVE && IsChild(hwnd(), GetFocus())) lastFocus_ = GetFocus();
      break;
    case WM_SETFOCUS:
      if (!keys) break;
      if (lastFocus_ && IsChild(hwnd(), lastFocus_) && IsWindowEnabled(lastFocus_)) {
        SetFocus(lastFocus_);
      } else if (HWND first = GetNextDlgTabItem(hwnd(), nullptr, FALSE)) {
        SetFocus(first);
      }
      return 0;
    default:
      break;
  }
  return Window::HandleMessage(message, wParam, lParam);
}

Accessibility Form::Describe() const {
  return {.name = design_.caption, .role = design_.dialogKeys ? ROLE_SYSTEM_DIALOG : ROLE_SYSTEM_CLIENT};
}

void Form::OnWindowGone() {
  if (loaded_) Unload(UnloadReason::kWindowGone);
}

}  // namespace toolkit
