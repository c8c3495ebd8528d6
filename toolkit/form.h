#pragma once
// A top-level window with a life of its own, after the classic form model: loaded (window
// made, still hidden), shown modeless or modal, and unloaded, each step raising an event that
// a derived form overrides. Later controls (labels, images, picture boxes, combo box, hosted
// user controls) are child windows of hwnd().
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "toolkit/gdi_object.h"
#include "toolkit/window.h"

namespace toolkit {

// Why a form is being unloaded.
enum class UnloadReason {
  kCode,        // Unload() called by the program
  kUserClose,   // WM_CLOSE: close box, Alt+F4, system menu, or another program
  kWindowGone,  // the window was destroyed from outside (with its parent, say): cannot be refused
};

// What a form is created with. Positions and sizes are pixels.
struct FormDesign {
  std::wstring caption;
  // A top-level style (a form that must become a child is re-parented after Load);
  // WS_VISIBLE is ignored: Load() never shows.
  DWORD style = WS_OVERLAPPEDWINDOW;
  DWORD exStyle = 0;
  int left = CW_USEDEFAULT;
  int top = CW_USEDEFAULT;
  int clientWidth = 0;  // 0 (either one): the system's default window size
  int clientHeight = 0;
  std::optional<COLORREF> background;  // none: the system's dialog colour
  HICON icon = nullptr;                // not owned; the caller keeps it alive
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

  bool loaded() const { return loaded_; }

  // Forms loaded in this process; the program's message loop runs while it is above zero.
  static int LoadedCount();
  // The form that owns `window` (a form's window or one of its descendants), or null.
  static Form* FromWindow(HWND window);

 protected:
  // Window is made but hidden; child controls are made here.
  virtual void OnLoad() {}
  // Return false to refuse the unload (ignored for kWindowGone).
  virtual bool OnQueryUnload(UnloadReason) { return true; }
  virtual bool OnUnload(UnloadReason) { return true; }
  virtual void OnResize(int /*clientWidth*/, int /*clientHeight*/) {}
  // Paints the client area; also called for WM_PRINTCLIENT so tests can paint into a memory DC.
  virtual void OnPaint(HDC /*dc*/, const RECT& /*dirty*/) {}
  // A message of the form's loop before dispatch; return true when it was handled.
  virtual bool PreTranslateMessage(MSG& /*message*/) { return false; }
  // Every message; call the base for the events above and the default handling.
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  // Destroyed from outside while loaded: the form unloads with it, without a say.
  void OnWindowGone() override;

  bool Unload(UnloadReason reason);

 private:
  friend bool PreTranslateForForm(MSG& message);
  void PaintBackground(HDC dc);
  void EnableOtherWindows();

  FormDesign design_;
  Brush background_;
  bool loaded_ = false;
  bool unloading_ = false;
  bool modal_ = false;
  std::vector<HWND> disabledByModal_;  // while shown modally
};

// Offers a message to the form it belongs to (used by every message loop of the toolkit).
bool PreTranslateForForm(MSG& message);

}  // namespace toolkit
