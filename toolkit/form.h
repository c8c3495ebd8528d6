#pragma once
// A top-level window with a life of its own, after the classic form model: loaded (window
// made, still hidden), shown modeless or modal, and unloaded, each step raising an event that
// a derived form overrides. Its controls are windowless ones added to it, or child windows
// of hwnd() (picture boxes, the combo box, hosted user controls).
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "toolkit/window.h"

namespace toolkit {

// Why a form is being unloaded.
enum class UnloadReason {
  kCode,        // Unload() called by the program
  kUserClose,   // WM_CLOSE: close box, Alt+F4, system menu, or another program
  kWindowGone,  // the window was destroyed from outside (with its parent, say): cannot be refused
};

// What a form is created with.
struct FormDesign {
  std::wstring caption;
  // A top-level style (a form that must become a child is re-parented after Load);
  // WS_VISIBLE is ignored: Load() never shows.
  DWORD style = WS_OVERLAPPEDWINDOW;
  double clientWidth = 0;  // twips; 0 (either one): the system's default window size
  double clientHeight = 0;
  COLORREF background = kSystemColourFlag | COLOR_BTNFACE;  // or a system colour
  HICON icon = nullptr;  // not owned; the caller keeps it alive
  // The keyboard of a dialog: Tab and Shift+Tab move the focus along the tab stops (into
  // picture boxes too), Enter where the focused control does not take it raises OnEnterKey,
  // Escape closes as the close box does, and activating the form again gives the focus back
  // to the control that had it (the first tab stop at first). Focus cues stay hidden until
  // the keyboard is used, as Windows shows them in a dialog.
  bool dialogKeys = false;
};

class Form : public Window {
 public:
  explicit Form(FormDesign design);
  // Destroys a window that is still there without raising any event.
  ~Form() override;

  // Makes the hidden window and raises OnLoad. True when the form is loaded afterwards
  // (false if the window could not be made or OnLoad unloaded it again).
  bool Load();
  // Loads if needed, then shows and activates the window; returns at once.
  void Show();
  // Loads if needed, shows the window and disables this thread's other top-level windows
  // until the form unloads; runs messages meanwhile. Returns when the form is unloaded (or
  // at once when it could not be loaded). A WM_QUIT ends the wait and is posted again.
  void ShowModal();
  // Raises OnQueryUnload, then OnUnload; either may refuse, except for kWindowGone.
  // True when the form is not loaded afterwards.
  bool Unload() { return Unload(UnloadReason::kCode); }

  // A dialog with dialogKeys, a client area otherwise; named by its caption.
  Accessibility Describe() const override;

  // Forms loaded in this process.
  static int LoadedCount();
  // The form that owns `window` (a form's window or one of its descendants), or null.
  static Form* FromWindow(HWND window);

 protected:
  // Window is made but hidden; child controls are made here.
  virtual void OnLoad() {}
  // Return false to refuse the unload (ignored for kWindowGone).
  virtual bool OnQueryUnload(UnloadReason) { return true; }
  virtual bool OnUnload(UnloadReason) { return true; }
  // Enter, with dialogKeys: what a dialog's default button does.
  virtual void OnEnterKey() {}
  // Every message; call the base for the events above and the default handling.
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  // Destroyed from outside while loaded: the form unloads with it, without a say.
  void OnWindowGone() override;

  bool Unload(UnloadReason reason);

 private:
  friend void RunMessageLoop();
  // Dispatches this thread's messages, each offered first to the form it belongs to, while
  // `running` holds. False on WM_QUIT (its exit code in `quitCode`).
  static bool RunMessagesWhile(const std::function<bool()>& running, int& quitCode);
  void EnableOtherWindows();

  FormDesign design_;
  bool loaded_ = false;
  bool unloading_ = false;
  bool modal_ = false;
  std::vector<HWND> disabledByModal_;  // while shown modally
  HWND lastFocus_ = nullptr;           // the focus when the form was last left
};

// The program's message loop: once start-up has loaded its forms, the process lives exactly
// as long as one of them stays loaded. Returns at once when none is, and on WM_QUIT.
void RunMessageLoop();

}  // namespace toolkit
