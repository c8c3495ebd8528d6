#include "shell/button/button_state_machine.h"
#include "shell/button/command.h"

void Command::OnMouseDown(int button, int /*shift*/, double /*x*/, double /*y*/) {
  Paint(ButtonPressed(fields_, button));
}

void Command::OnMouseMove(int /*buttons*/, int /*shift*/, double /*x*/, double /*y*/) {
  Paint(MouseMoved(fields_));
}

void Command::OnMouseUp(int button, int /*shift*/, double /*x*/, double /*y*/) {
  Reaction reaction = ButtonReleased(fields_, button);
  Paint(reaction);
  if (!reaction.click || !Click) return;
  // A copy: the handler may replace Click, or close the form and this button with it.
  std::function<void()> handler = Click;
  handler();
}

void Command::OnGotFocus() { Paint(FocusGained(fields_)); }

void Command::OnLostFocus() { Paint(FocusLost(fields_)); }

void Command::OnResize() { ApplyEnabled(); }

void Command::OnTimer(UINT_PTR id) {
  if (id == TmrMouse_.Id()) TmrMouse_Timer();
}

void Command::OnWindowCreated() { TmrMouse_.Bind(hwnd()); }

void Command::OnWindowDestroyed() { TmrMouse_.Bind(nullptr); }

void Command::TmrMouse_Timer() {
  // The caption has no window of its own, so over the caption is over this window too.
  POINT pointer{};
  if (!GetCursorPos(&pointer)) {
    MouseLeave();  // a pointer we cannot find is not over the button
    return;
  }
  if (WindowFromPoint(pointer) != hwnd()) MouseLeave();
}

void Command::MouseLeave() { Paint(PointerLeft(fields_)); }

void Command::Paint(const Reaction& reaction) {
  if (reaction.paint) DrawButton(*reaction.paint);
}
